// The analyser's 2048-point transform beside other implementations measured
// in the same run. Each counter is our time over a reference's time (lower
// is better), so that it compares across machines:
//   vs_direct         the same transform as a direct O(n^2) sum
//   vs_kissfft        KissFFT
//   vs_fftw_estimate  FFTW3 with an FFTW_ESTIMATE plan
//   vs_fftw_measure   FFTW3 with an FFTW_MEASURE plan
// The library ratios come from interleaved rounds (a batch of each contender
// in turn, median per contender), so that load from a neighbour on a shared
// machine falls on all of them alike.

#include "bench/fft_references.h"
#include "dsp/fft.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

using kdsp::bench::FftReference;
using kdsp::bench::FftwPlanning;
using kdsp::dsp::Complex;
using Clock = std::chrono::steady_clock;

constexpr std::size_t Length = 2048;

std::vector<Complex> Samples() {
    std::vector<Complex> x(Length);
    for (std::size_t j = 0; j < Length; ++j)
        x[j].re = static_cast<float>(std::sin(0.1 * static_cast<double>(j)));
    return x;
}

void DirectDft(const std::vector<Complex>& x, std::vector<Complex>& y) {
    const std::size_t n = x.size();
    std::vector<Complex> roots(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double angle =
            -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n);
        roots[k] = {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
    }
    for (std::size_t k = 0; k < n; ++k) {
        float re = 0.0f, im = 0.0f;
        for (std::size_t j = 0; j < n; ++j) {
            const Complex w = roots[(j * k) % n];
            re += x[j].re * w.re - x[j].im * w.im;
            im += x[j].re * w.im + x[j].im * w.re;
        }
        y[k] = {re, im};
    }
}

double DirectSeconds() {
    const std::vector<Complex> x = Samples();
    std::vector<Complex> y(Length);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        DirectDft(x, y);
        benchmark::DoNotOptimize(y.data());
        const std::chrono::duration<double> took = Clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// Our plan with its own arrays, shaped like the references.
struct Ours {
    std::vector<Complex> input = Samples();
    std::vector<Complex> output = std::vector<Complex>(Length);
    kdsp::dsp::FftPlan plan{Length};

    void transform() { plan.transform(input, output); }
};

std::unique_ptr<FftReference> Loaded(std::unique_ptr<FftReference> reference) {
    reference->load(Samples());
    return reference;
}

// Largest difference from our output, relative to our largest magnitude: a
// reference that computes something else (another sign, a scaling) is no
// reference at all.
double RelativeDifference(const Ours& ours, const FftReference& reference) {
    double largest = 0.0, difference = 0.0;
    const auto theirs = reference.output();
    for (std::size_t k = 0; k < Length; ++k) {
        largest = std::max(largest, static_cast<double>(Abs(ours.output[k])));
        const Complex d{ours.output[k].re - theirs[k].re, ours.output[k].im - theirs[k].im};
        difference = std::max(difference, static_cast<double>(Abs(d)));
    }
    return difference / largest;
}

// Median seconds per transform of each contender over interleaved rounds.
std::vector<double> InterleavedMedians(const std::vector<std::function<void()>>& contenders) {
    constexpr int Rounds = 101;
    constexpr int Batch = 16;
    std::vector<std::vector<double>> seconds(contenders.size());
    for (int round = 0; round < Rounds; ++round) {
        for (std::size_t c = 0; c < contenders.size(); ++c) {
            const auto start = Clock::now();
            for (int i = 0; i < Batch; ++i)
                contenders[c]();
            const std::chrono::duration<double> took = Clock::now() - start;
            seconds[c].push_back(took.count() / Batch);
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& s : seconds) {
        std::nth_element(s.begin(), s.begin() + Rounds / 2, s.end());
        medians.push_back(s[Rounds / 2]);
    }
    return medians;
}

void Fft2048(benchmark::State& state) {
    Ours ours;
    const std::array<std::pair<std::string, std::unique_ptr<FftReference>>, 3> references{{
        {"vs_kissfft", Loaded(kdsp::bench::MakeKissFftReference(Length))},
        {"vs_fftw_estimate",
         Loaded(kdsp::bench::MakeFftwReference(Length, FftwPlanning::Estimate))},
        {"vs_fftw_measure", Loaded(kdsp::bench::MakeFftwReference(Length, FftwPlanning::Measure))},
    }};
    ours.transform();
    for (const auto& [name, reference] : references) {
        reference->transform();
        if (RelativeDifference(ours, *reference) > 1e-4) {
            state.SkipWithError((name + ": the reference disagrees with our transform").c_str());
            return;
        }
    }

    for (auto _ : state) {
        ours.transform();
        benchmark::DoNotOptimize(ours.output.data());
    }

    std::vector<std::function<void()>> contenders{[&ours] {
        ours.transform();
        benchmark::DoNotOptimize(ours.output.data());
    }};
    for (const auto& entry : references) {
        FftReference* reference = entry.second.get();
        contenders.emplace_back([reference] {
            reference->transform();
            benchmark::DoNotOptimize(reference->output().data());
        });
    }
    const std::vector<double> medians = InterleavedMedians(contenders);
    for (std::size_t r = 0; r < references.size(); ++r)
        state.counters[references[r].first] = medians[0] / medians[r + 1];
    state.counters["vs_direct"] = medians[0] / DirectSeconds();
}
BENCHMARK(Fft2048)->Unit(benchmark::kMicrosecond);

// The references on their own, for their absolute times.
void Reference2048(benchmark::State& state,
                   const std::function<std::unique_ptr<FftReference>()>& make) {
    const std::unique_ptr<FftReference> reference = Loaded(make());
    for (auto _ : state) {
        reference->transform();
        benchmark::DoNotOptimize(reference->output().data());
    }
}
BENCHMARK_CAPTURE(Reference2048, kissfft, [] {
    return kdsp::bench::MakeKissFftReference(Length);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Reference2048, fftw_estimate, [] {
    return kdsp::bench::MakeFftwReference(Length, FftwPlanning::Estimate);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Reference2048, fftw_measure, [] {
    return kdsp::bench::MakeFftwReference(Length, FftwPlanning::Measure);
})->Unit(benchmark::kMicrosecond);

} // namespace
