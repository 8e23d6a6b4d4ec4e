#include "graph/spectrum_analyser.h"

namespace kdsp::graph {

void SpectrumAnalyser::record(std::span<const std::uint8_t> samples) {
    if (!on_ || frozen_ || dragging_ || samples.empty())
        return;
    const std::lock_guard lock(captureLock_);
    capture_.assign(samples.begin(), samples.end());
}

void SpectrumAnalyser::compute() {
    {
        // Copy out, so the capture thread never waits for the transform.
        const std::lock_guard lock(captureLock_);
        computing_ = capture_;
    }
    transform_.compute(computing_);
}

SpectrumDrawing SpectrumAnalyser::drawing(const GraphScale& scale) const {
    return DrawSpectrum(scale, kind_, lowTrigger_, bins());
}

} // namespace kdsp::graph
