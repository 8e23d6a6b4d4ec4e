#pragma once

#include "audio/wave_format.h"

#include <cstdint>
#include <span>
#include <string>

namespace kdsp::audio {

// Where a capture device puts what it records.
class WaveSink {
public:
    // Recorded bytes in the format the device was opened with, in order.
    // Called on whatever thread the device delivers on, never on two at
    // once.
    virtual void waveData(std::span<const std::uint8_t> bytes) = 0;

protected:
    ~WaveSink() = default;
};

// A source of captured sound: the platform's default input, a looped
// file, a tone generator. Opened, started, stopped and closed from the
// window thread.
class WaveInput {
public:
    virtual ~WaveInput() = default;

    // Prepares capture in `format` into `sink`. False, with the reason in
    // `error`, when there is no such input or it refuses the format.
    virtual bool open(const WaveFormat& format, WaveSink& sink, std::string& error) = 0;
    // Starts delivering; false with the reason in `error`.
    virtual bool start(std::string& error) = 0;
    // Stops delivering; once it returns the sink is not called again.
    virtual void stop() = 0;
    virtual void close() = 0;
};

} // namespace kdsp::audio
