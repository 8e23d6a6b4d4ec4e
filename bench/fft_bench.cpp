// The analyser's 2048-point transform, and the same transform as a direct
// O(n^2) sum measured in the same run; "vs_direct" is the ratio of the two
// times (lower is better) so that it compares across machines.

#include "dsp/fft.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using kdsp::dsp::Complex;

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
        const auto start = std::chrono::steady_clock::now();
        DirectDft(x, y);
        benchmark::DoNotOptimize(y.data());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Fft2048(benchmark::State& state) {
    const std::vector<Complex> x = Samples();
    std::vector<Complex> y(Length);
    kdsp::dsp::FftPlan plan(Length);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        plan.transform(x, y);
        benchmark::DoNotOptimize(y.data());
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double perTransform = took.count() / static_cast<double>(state.iterations());
    state.counters["vs_direct"] = perTransform / DirectSeconds();
}
BENCHMARK(Fft2048)->Unit(benchmark::kMicrosecond);

} // namespace
