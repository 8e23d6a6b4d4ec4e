#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kdsp::dsp {

// The largest prime factor a transform length may have.
inline constexpr std::size_t MaxPrimeFactor = 1021;

inline constexpr std::string_view PrimeFactorTooLargeMessage =
    "Prime factor for FFT length too large. Change value for cMaxPrimeFactor in FFTs unit";

// The radices of the passes that transform a length of `n`, in the order
// the passes run: the dedicated radices 10, 8, 5, 4, 3 and 2 taken as often
// as they divide, a trailing 8 x 2 rebalanced as 4 x 4, then any other
// prime factors; the largest radix runs first. 2048 runs as 4, 8, 8, 8; a
// length of 1 is the single radix 1 and 0 has no passes.
std::vector<std::size_t> FftRadices(std::size_t n);

// Whether no prime factor of `n` exceeds MaxPrimeFactor.
bool FftLengthAdmissible(std::size_t n);

} // namespace kdsp::dsp
