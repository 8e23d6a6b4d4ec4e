#pragma once

#include "audio/wave_format.h"
#include "audio/wave_input.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kdsp::audio {

// Records from a WaveInput into a ring of 16 buffers and hands each filled
// buffer to the record handler.
//
// The device fills the buffers it holds in turn. A filled buffer goes to
// the handler on the device's thread and then back to the device through
// `post`, which must run the task on the window thread; a window thread
// that falls 16 buffers behind loses sound rather than blocking capture.
class Recorder final : private WaveSink {
public:
    static constexpr int BufferCount = 16;

    // `left` holds the samples (or the left channel's when channels are
    // split), `right` the right channel's or nothing. Called on the
    // device's thread; the spans die when it returns.
    using RecordHandler = std::function<void(std::span<const std::uint8_t> left,
                                             std::span<const std::uint8_t> right)>;
    using Post = std::function<void(std::function<void()>)>;

    Recorder(WaveInput& input, Post post);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Changing the settings stops a running recording and sizes the
    // buffers anew.
    const AudioSettings& settings() const { return settings_; }
    void setSettings(const AudioSettings& settings);
    WaveFormat format() const { return settings_.format(); }
    std::uint16_t bufferBytes() const { return settings_.bufferBytes(); }

    int deviceId() const { return deviceId_; }
    void setDeviceId(int id);

    // Delivery starts with the first sample at or above the trigger level
    // (bytes as 0..255, 16-bit samples as signed words) and then goes on.
    std::int16_t trigLevel() const { return trigLevel_; }
    void setTrigLevel(std::int16_t level) { trigLevel_ = level; }
    bool triggered() const { return triggered_; }
    void setTriggered(bool triggered) { triggered_ = triggered; }

    // Stereo only: deliver left and right samples apart. Mono forces it off.
    bool splitChannels() const { return split_; }
    void setSplitChannels(bool split);

    void setOnRecord(RecordHandler handler) { onRecord_ = std::move(handler); }

    // Opens the device if need be, gives it all 16 buffers and starts it.
    // False with lastError() set when the device cannot be opened or
    // started.
    bool start();
    // Stops the device, which returns the buffers it held (the one being
    // filled with what it has, the others empty), and closes it.
    bool stop();
    bool isOpen() const { return open_; }
    const std::string& lastError() const { return lastError_; }

    // Buffers with the device right now (for tests of the ring).
    int queuedBuffers() const { return queued_; }

private:
    void waveData(std::span<const std::uint8_t> bytes) override;
    void allocate();
    // A buffer came back from the device holding `count` bytes.
    void bufferDone(std::size_t index, std::size_t count);
    void requeue();
    void scanForTrigger(std::span<const std::uint8_t> bytes);

    WaveInput& input_;
    Post post_;
    AudioSettings settings_;
    int deviceId_ = DefaultAudioDevice;
    std::int16_t trigLevel_ = 0;
    std::atomic<bool> triggered_{false};
    bool split_ = false;
    RecordHandler onRecord_;

    std::array<std::vector<std::uint8_t>, BufferCount> buffers_;
    std::array<std::vector<std::uint8_t>, BufferCount> rightHalves_;
    bool open_ = false;
    std::atomic<bool> active_{false};
    std::atomic<int> queued_{0};
    std::size_t addIndex_ = 0;     // window thread
    std::size_t deliverIndex_ = 0; // device thread while recording
    std::size_t filled_ = 0;       // bytes in the buffer at deliverIndex_
    std::string lastError_;
};

} // namespace kdsp::audio
