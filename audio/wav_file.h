#pragma once

#include "audio/pcm_converter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kdsp::audio {

// The sound of a WAV file: its layout and its PCM bytes.
struct WavSound {
    PcmLayout layout;
    std::vector<std::uint8_t> pcm;
};

// Reads a RIFF WAVE image: integer PCM of 8, 16, 24 or 32 bits or 32-bit
// float, any channel count and rate (plain or extensible format). Nothing,
// with the reason in `error`, for anything else or a damaged file.
std::optional<WavSound> ParseWav(std::span<const std::uint8_t> file, std::string& error);

// A WAV file as the analyser's 8-bit mono 48 kHz samples; nothing, with the
// reason in `error`, when it cannot be read, is no WAV file or holds no
// sound.
std::optional<std::vector<std::uint8_t>> LoadWavForAnalyser(const std::string& path,
                                                            std::string& error);

} // namespace kdsp::audio
