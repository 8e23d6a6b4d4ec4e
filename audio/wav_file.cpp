#include "audio/wav_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kdsp::audio {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool IsId(std::span<const std::uint8_t> b, std::size_t at, const char* id) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (b[at + i] != static_cast<std::uint8_t>(id[i]))
            return false;
    }
    return true;
}

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

std::optional<SampleFormat> SampleFormatOf(std::uint16_t tag, std::uint16_t bits) {
    if (tag == FormatPcm) {
        switch (bits) {
        case 8:
            return SampleFormat::UInt8;
        case 16:
            return SampleFormat::Int16;
        case 24:
            return SampleFormat::Int24;
        case 32:
            return SampleFormat::Int32;
        default:
            return std::nullopt;
        }
    }
    if (tag == FormatFloat && bits == 32)
        return SampleFormat::Float32;
    return std::nullopt;
}

} // namespace

std::optional<WavSound> ParseWav(std::span<const std::uint8_t> file, std::string& error) {
    if (file.size() < 12 || !IsId(file, 0, "RIFF") || !IsId(file, 8, "WAVE")) {
        error = "not a WAV file";
        return std::nullopt;
    }
    std::optional<PcmLayout> layout;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::size_t size = Le32(file, at + 4);
        const std::size_t body = at + 8;
        // A data chunk cut short by a truncated download still holds sound.
        const std::size_t available = std::min(size, file.size() - body);
        if (IsId(file, at, "fmt ")) {
            if (available < 16) {
                error = "damaged format chunk";
                return std::nullopt;
            }
            std::uint16_t tag = Le16(file, body);
            const std::uint16_t channels = Le16(file, body + 2);
            const std::uint32_t rate = Le32(file, body + 4);
            const std::uint16_t bits = Le16(file, body + 14);
            if (tag == FormatExtensible && available >= 26)
                tag = Le16(file, body + 24); // the sub-format's first two bytes
            const std::optional<SampleFormat> format = SampleFormatOf(tag, bits);
            if (!format || channels == 0 || rate == 0 || rate > 1'000'000) {
                error = "unsupported sample format";
                return std::nullopt;
            }
            layout = PcmLayout{*format, channels, static_cast<int>(rate)};
        } else if (IsId(file, at, "data")) {
            if (!layout) {
                error = "data before the format chunk";
                return std::nullopt;
            }
            WavSound sound{*layout, {}};
            const auto first = file.begin() + static_cast<std::ptrdiff_t>(body);
            sound.pcm.assign(first, first + static_cast<std::ptrdiff_t>(available));
            return sound;
        }
        // Chunks are padded to an even size.
        at = body + size + (size & 1);
    }
    error = layout ? "no sound data" : "no format chunk";
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> LoadWavForAnalyser(const std::string& path,
                                                            std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
    std::optional<WavSound> sound = ParseWav(file, error);
    if (!sound)
        return std::nullopt;
    std::vector<std::uint8_t> samples;
    PcmConverter converter(sound->layout);
    converter.convert(sound->pcm, samples);
    if (samples.empty()) {
        error = "no sound data";
        return std::nullopt;
    }
    return samples;
}

} // namespace kdsp::audio
