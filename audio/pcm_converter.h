#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kdsp::audio {

enum class SampleFormat { UInt8, Int16, Int24, Int32, Float32 };

// Interleaved little-endian PCM as a file or a device provides it.
struct PcmLayout {
    SampleFormat format = SampleFormat::UInt8;
    int channels = 1;
    int rate = 48000;

    int bytesPerFrame() const;
    friend bool operator==(const PcmLayout&, const PcmLayout&) = default;
};

// The analyser's input: unsigned 8-bit mono at 48 kHz, 128 being silence.
inline constexpr PcmLayout AnalyserLayout{SampleFormat::UInt8, 1, 48000};

// Turns a stream of PCM in any layout into the analyser's: the channels
// are averaged and the rate changed by linear interpolation. It keeps what
// it needs between calls, so the stream may arrive in pieces of any size,
// even cut inside a frame.
class PcmConverter {
public:
    explicit PcmConverter(PcmLayout from, int targetRate = AnalyserLayout.rate);

    // Appends the converted samples of `bytes` to `out`.
    void convert(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out);

private:
    double frameValue(const std::uint8_t* frame) const;

    PcmLayout from_;
    double step_; // input frames per output sample
    std::vector<std::uint8_t> partial_;
    bool primed_ = false;
    double previous_ = 0.0;
    double position_ = 0.0; // of the next output, in frames after previous_
};

// A sample in -1..1 as an unsigned byte, rounded and clipped.
std::uint8_t ToUnsigned8(double sample);

} // namespace kdsp::audio
