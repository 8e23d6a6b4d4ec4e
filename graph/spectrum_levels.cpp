#include "graph/spectrum_levels.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kdsp::graph {

double LevelToY(const GraphScale& scale, bool lowTrigger, double level) {
    const double floor = lowTrigger ? -64.0 : -52.0;
    level = std::min(level, 120.0);
    if (level == 0.0)
        level = 0.001;
    const double db = std::clamp(20.0 * std::log10(level / 128.0), floor, 0.0);
    return (scale.height - 2) - (db - floor) / (0.0 - floor) * (scale.height - 1);
}

SpectrumTransform::SpectrumTransform() : plan_(SpectrumSize) {}

void SpectrumTransform::compute(std::span<const std::uint8_t> capture) {
    const std::size_t taken = std::min<std::size_t>(capture.size(), SpectrumHigh + 1);
    for (std::size_t i = 0; i <= SpectrumHigh; ++i) {
        const float sample = i < taken ? capture[i] / 128.0f - 1.0f : 0.0f;
        input_[i] = dsp::Complex{sample, 0.0f};
    }
    plan_.transform(input_, output_);
    for (std::size_t i = 0; i < 3; ++i) {
        const double cube = static_cast<double>(i * i * i);
        output_[i] = dsp::Scale(output_[i], 0.1 * cube);
    }
}

} // namespace kdsp::graph
