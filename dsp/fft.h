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
        std::size_t twiddles; // offset into the twiddle tables: (radix - 1) rows of span values
        std::size_t roots; // offset into the root tables for a radix without a dedicated butterfly
    };

    void firstPass(const Pass& pass, const Complex* source);
    void laterPass(const Pass& pass);
    void oddPass(const Pass& pass, const Complex* source);

    std::size_t n_;
    bool admissible_;
    std::vector<std::size_t> radices_;
    std::vector<Pass> passes_;
    std::vector<std::size_t> permutation_; // the passes start from input[permutation_[i]]
    // The passes run on real and imaginary parts kept in separate arrays, as
    // do the twiddles, so that neighbouring data positions form vectors.
    std::vector<float> re_;
    std::vector<float> im_;
    std::vector<float> twiddleRe_; // row b - 1 of a pass holds the twiddles of element b
    std::vector<float> twiddleIm_;
    std::vector<float> rootRe_;  // cos(2 pi j / r) of each odd radix r
    std::vector<float> rootIm_;  // -sin(2 pi j / r)
    std::vector<float> scratch_; // gather and pair space of the odd butterfly
};

// One-off transform through a temporary plan (which allocates).
FftStatus FFT(std::span<const Complex> input, std::span<Complex> output);

} // namespace kdsp::dsp
