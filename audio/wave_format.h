#pragma once

#include <cstdint>

namespace kdsp::audio {

enum class SampleWidth { Bits8, Bits16 };
enum class ChannelLayout { Mono, Stereo };

// The PCM wave format record a capture device is opened with.
struct WaveFormat {
    std::uint16_t formatTag = 1; // PCM
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSecond = 48000;
    std::uint32_t averageBytesPerSecond = 48000;
    std::uint16_t blockAlign = 1; // bytes per frame of all channels
    std::uint16_t bitsPerSample = 8;
    std::uint16_t extraSize = 0;

    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

// What the recorder asks of the device. The defaults are what the
// analyser uses: 8-bit mono at 48 kHz in blocks of 1024 samples.
struct AudioSettings {
    SampleWidth width = SampleWidth::Bits8;
    ChannelLayout channels = ChannelLayout::Mono;
    std::uint16_t sampleRate = 48000;
    std::uint16_t samplesPerBuffer = 1024; // per channel

    WaveFormat format() const;
    // Bytes of one buffer: samples per buffer times the block alignment,
    // wrapped to 16 bits as the device's buffer length field is.
    std::uint16_t bufferBytes() const;
};

// The device number meaning "the system's default input".
inline constexpr int DefaultAudioDevice = -1;

// Numbers of 10 and above name no device and mean the default.
constexpr int NormalisedDeviceId(int id) {
    return id >= 10 ? DefaultAudioDevice : id;
}

} // namespace kdsp::audio
