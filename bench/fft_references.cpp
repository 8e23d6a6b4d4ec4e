#include "bench/fft_references.h"

#include <algorithm>
#include <fftw3.h>
#include <kiss_fft.h>
#include <stdexcept>

namespace kdsp::bench {

namespace {

// Both libraries lay out a complex number as ours does: re, im in floats.
static_assert(sizeof(fftwf_complex) == sizeof(dsp::Complex));
static_assert(sizeof(kiss_fft_cpx) == sizeof(dsp::Complex));

class Fftw final : public FftReference {
public:
    Fftw(std::size_t n, FftwPlanning planning)
        : n_(n), in_(fftwf_alloc_complex(n)), out_(fftwf_alloc_complex(n)) {
        if (in_ == nullptr || out_ == nullptr)
            throw std::bad_alloc();
        // Planning with FFTW_MEASURE scribbles over both arrays; load() comes after.
        const unsigned flags = planning == FftwPlanning::Measure ? FFTW_MEASURE : FFTW_ESTIMATE;
        plan_ = fftwf_plan_dft_1d(static_cast<int>(n), in_, out_, FFTW_FORWARD, flags);
        if (plan_ == nullptr)
            throw std::runtime_error("FFTW has no plan for this length");
    }
    ~Fftw() override {
        fftwf_destroy_plan(plan_);
        fftwf_free(in_);
        fftwf_free(out_);
    }
    Fftw(const Fftw&) = delete;
    Fftw& operator=(const Fftw&) = delete;

    void load(std::span<const dsp::Complex> input) override {
        std::copy(input.begin(), input.end(), reinterpret_cast<dsp::Complex*>(in_));
    }
    void transform() override { fftwf_execute(plan_); }
    std::span<const dsp::Complex> output() const override {
        return {reinterpret_cast<const dsp::Complex*>(out_), n_};
    }

private:
    std::size_t n_;
    fftwf_complex* in_;
    fftwf_complex* out_;
    fftwf_plan plan_ = nullptr;
};

class KissFft final : public FftReference {
public:
    explicit KissFft(std::size_t n)
        : n_(n), config_(kiss_fft_alloc(static_cast<int>(n), 0, nullptr, nullptr)),
          in_(std::make_unique<kiss_fft_cpx[]>(n)), out_(std::make_unique<kiss_fft_cpx[]>(n)) {
        if (config_ == nullptr)
            throw std::bad_alloc();
    }
    ~KissFft() override { kiss_fft_free(config_); }
    KissFft(const KissFft&) = delete;
    KissFft& operator=(const KissFft&) = delete;

    void load(std::span<const dsp::Complex> input) override {
        std::copy(input.begin(), input.end(), reinterpret_cast<dsp::Complex*>(in_.get()));
    }
    void transform() override { kiss_fft(config_, in_.get(), out_.get()); }
    std::span<const dsp::Complex> output() const override {
        return {reinterpret_cast<const dsp::Complex*>(out_.get()), n_};
    }

private:
    std::size_t n_;
    kiss_fft_cfg config_;
    std::unique_ptr<kiss_fft_cpx[]> in_;
    std::unique_ptr<kiss_fft_cpx[]> out_;
};

} // namespace

std::unique_ptr<FftReference> MakeFftwReference(std::size_t n, FftwPlanning planning) {
    return std::make_unique<Fftw>(n, planning);
}

std::unique_ptr<FftReference> MakeKissFftReference(std::size_t n) {
    return std::make_unique<KissFft>(n);
}

} // namespace kdsp::bench
