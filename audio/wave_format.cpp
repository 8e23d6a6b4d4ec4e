#include "audio/wave_format.h"

namespace kdsp::audio {

WaveFormat AudioSettings::format() const {
    WaveFormat f;
    f.formatTag = 1;
    f.channels = channels == ChannelLayout::Stereo ? 2 : 1;
    f.samplesPerSecond = sampleRate;
    const int bytesPerSample = width == SampleWidth::Bits16 ? 2 : 1;
    f.blockAlign = static_cast<std::uint16_t>(f.channels * bytesPerSample);
    f.averageBytesPerSecond = sampleRate * static_cast<std::uint32_t>(f.blockAlign);
    f.bitsPerSample = static_cast<std::uint16_t>(8 * bytesPerSample);
    f.extraSize = 0;
    return f;
}

std::uint16_t AudioSettings::bufferBytes() const {
    return static_cast<std::uint16_t>(samplesPerBuffer * format().blockAlign);
}

} // namespace kdsp::audio
