// Response curves: one band, and a whole channel page of 22 records
// recomputed and summed as a full repaint does.

#include "dsp/graph_band.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kdsp::dsp;

GraphBands MicrophonePage() {
    GraphBands bands;
    for (int i = 0; i < 20; ++i) {
        const auto r = static_cast<std::size_t>(i);
        bands.type[r] = i % 5 == 0 ? LowShelfBand : PeakingBand;
        bands.frequency[r] = 40.0f * static_cast<float>(i + 1);
        bands.q[r] = 0.5f + 0.25f * static_cast<float>(i % 8);
        bands.gain[r] = static_cast<float>(i % 13) - 6.0f;
    }
    bands.type[20] = HighPassBand + 9;
    bands.frequency[20] = 80.0f;
    bands.type[21] = LowPassBand + 12;
    bands.frequency[21] = 12000.0f;
    return bands;
}

void OneBand(benchmark::State& state) {
    ResponseCurve curve;
    for (auto _ : state) {
        ComputeBandResponse(curve, 1000, PeakingBand, 1.0f, 6.0f);
        benchmark::DoNotOptimize(curve.data());
    }
}
BENCHMARK(OneBand);

void WholePage(benchmark::State& state) {
    GraphBands bands = MicrophonePage();
    ResponseCurve sum;
    for (auto _ : state) {
        for (int r = 0; r < GraphBands::Capacity; ++r)
            ComputeRecord(bands, r);
        sum.fill(0.0f);
        for (const ResponseCurve& curve : bands.response) {
            for (std::size_t j = 0; j < sum.size(); ++j)
                sum[j] += curve[j];
        }
        benchmark::DoNotOptimize(sum.data());
    }
}
BENCHMARK(WholePage)->Unit(benchmark::kMicrosecond);

} // namespace
