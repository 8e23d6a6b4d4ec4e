#pragma once

// Other FFT libraries, wrapped for comparison in the benchmarks only: each
// owns its plan and its input and output arrays, so that a timed call is the
// transform alone.

#include "dsp/complex.h"

#include <cstddef>
#include <memory>
#include <span>

namespace kdsp::bench {

class FftReference {
public:
    virtual ~FftReference() = default;
    // Copies `input` into the reference's own input array.
    virtual void load(std::span<const dsp::Complex> input) = 0;
    // One forward transform of the loaded input.
    virtual void transform() = 0;
    virtual std::span<const dsp::Complex> output() const = 0;
};

enum class FftwPlanning {
    Estimate, // FFTW_ESTIMATE: a plan chosen by heuristics, no trial runs
    Measure,  // FFTW_MEASURE: the fastest of the plans FFTW times
};

// FFTW3, single precision.
std::unique_ptr<FftReference> MakeFftwReference(std::size_t n, FftwPlanning planning);

// KissFFT, single precision.
std::unique_ptr<FftReference> MakeKissFftReference(std::size_t n);

} // namespace kdsp::bench
