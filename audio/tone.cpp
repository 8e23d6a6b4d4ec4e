#include "audio/tone.h"

#include "audio/pcm_converter.h"

#include <cmath>
#include <numbers>

namespace kdsp::audio {

std::vector<std::uint8_t> ToneSecond(double hz, double amplitude) {
    const int rate = AnalyserLayout.rate;
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(rate));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double phase = 2.0 * std::numbers::pi * hz * static_cast<double>(n) / rate;
        samples[n] = ToUnsigned8(amplitude * std::sin(phase));
    }
    return samples;
}

} // namespace kdsp::audio
