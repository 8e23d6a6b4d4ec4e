#pragma once

#include <cstdint>
#include <vector>

namespace kdsp::audio {

// One second of a sine of `hz` at `amplitude` (0..1 of full scale) as the
// analyser's 8-bit mono 48 kHz samples. A whole number of hertz fills the
// second with whole cycles, so the block loops without a click.
std::vector<std::uint8_t> ToneSecond(double hz, double amplitude);

} // namespace kdsp::audio
