#pragma once

#include "dsp/complex.h"

#include <cstddef>
#include <span>
#include <vector>

namespace kdsp::dsp {

enum class FftStatus {
    Ok,
    PrimeFactorTooLarge, // see PrimeFactorTooLargeMessage
};

// A mixed-radix forward FFT of one length, with its permutation, twiddles
// and scratch space prepared once so that a transform allocates nothing.
// A plan is not safe to share between threads (it owns scratch space).
class FftPlan {
public:
    explicit FftPlan(std::size_t n);

    std::size_t size() const { return n_; }
    // False when a prime factor of the length exceeds MaxPrimeFactor.
    bool admissible() const { return admissible_; }
    // The radix of each pass, in the order the passes run.
    const std::vector<std::size_t>& radices() const { return radices_; }

    // Y[k] = sum over j of X[j] e^(-2 pi i j k / n), unscaled. `input` and
    // `output` hold size() elements; they may be the very same array but
    // must not overlap otherwise. An inadmissible length writes nothing.
    FftStatus transform(std::span<const Complex> input, std::span<Complex> output);

private:
    struct Pass {
        std::size_t radix;
        std::size_t span;     // product of the radices of the earlier passes
        std::size_t groups;   // n / (span x radix)
        std::size_t twiddles; // offset into twiddles_: span x (radix - 1) values
        std::size_t roots;    // offset into roots_ for a radix without a dedicated butterfly
    };

    void runPass(const Pass& pass, Complex* data);

    std::size_t n_;
    bool admissible_;
    std::vector<std::size_t> radices_;
    std::vector<Pass> passes_;
    std::vector<std::size_t> permutation_; // output[i] = input[permutation_[i]]
    std::vector<Complex> twiddles_;
    std::vector<Complex> roots_;
    std::vector<Complex> copy_;    // the input when it is also the output
    std::vector<Complex> scratch_; // gather and pair space of the odd butterfly
};

// One-off transform through a temporary plan (which allocates).
FftStatus FFT(std::span<const Complex> input, std::span<Complex> output);

} // namespace kdsp::dsp
