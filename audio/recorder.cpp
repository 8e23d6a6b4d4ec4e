#include "audio/recorder.h"

#include <algorithm>
#include <cstring>

namespace kdsp::audio {

Recorder::Recorder(WaveInput& input, Post post) : input_(input), post_(std::move(post)) {
    allocate();
}

Recorder::~Recorder() {
    stop();
}

void Recorder::allocate() {
    const std::size_t bytes = bufferBytes();
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        buffers_[i].assign(bytes, 0);
        rightHalves_[i].assign(bytes / 2, 0);
    }
}

void Recorder::setSettings(const AudioSettings& settings) {
    if (open_)
        stop();
    settings_ = settings;
    if (settings_.channels == ChannelLayout::Mono)
        split_ = false;
    allocate();
}

void Recorder::setDeviceId(int id) {
    if (open_)
        stop();
    deviceId_ = NormalisedDeviceId(id);
}

void Recorder::setSplitChannels(bool split) {
    split_ = split && settings_.channels == ChannelLayout::Stereo;
}

bool Recorder::start() {
    if (!open_) {
        addIndex_ = 0;
        deliverIndex_ = 0;
        filled_ = 0;
        std::string error;
        if (!input_.open(format(), *this, error)) {
            lastError_ = "Could not open the input device for recording:  " + error;
            return false;
        }
        open_ = true;
        active_ = true;
    }
    // Every buffer goes to the device before it starts, so the first
    // blocks have somewhere to land.
    queued_ = BufferCount;
    addIndex_ = 0;
    std::string error;
    if (!input_.start(error)) {
        lastError_ = "Error starting wave record: " + error;
        queued_ = 0;
        input_.close();
        open_ = false;
        active_ = false;
        return false;
    }
    return true;
}

bool Recorder::stop() {
    if (!open_)
        return true;
    input_.stop();
    // A reset hands back every buffer the device still held: the one
    // being filled with what it has, the rest empty.
    const int held = queued_;
    for (int i = 0; i < held; ++i) {
        const std::size_t count = i == 0 ? filled_ : 0;
        filled_ = 0;
        bufferDone(deliverIndex_, count);
    }
    active_ = false;
    input_.close();
    open_ = false;
    return true;
}

void Recorder::waveData(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty() && active_) {
        // With no buffer to fill the device has nowhere to put the sound.
        if (queued_ == 0)
            return;
        std::vector<std::uint8_t>& buffer = buffers_[deliverIndex_];
        const std::size_t take = std::min(bytes.size(), buffer.size() - filled_);
        std::memcpy(buffer.data() + filled_, bytes.data(), take);
        filled_ += take;
        bytes = bytes.subspan(take);
        if (filled_ == buffer.size()) {
            filled_ = 0;
            bufferDone(deliverIndex_, buffer.size());
        }
    }
}

void Recorder::bufferDone(std::size_t index, std::size_t count) {
    std::vector<std::uint8_t>& buffer = buffers_[index];
    const std::span<const std::uint8_t> recorded(buffer.data(), count);
    if (!triggered_)
        scanForTrigger(recorded);
    if (triggered_ && onRecord_) {
        if (split_) {
            // Interleaved frames: the left sample stays in the buffer's
            // front half, the right one goes to the second block.
            const std::size_t sample = settings_.width == SampleWidth::Bits16 ? 2 : 1;
            std::vector<std::uint8_t>& right = rightHalves_[index];
            const std::size_t frames = count / (2 * sample);
            for (std::size_t f = 0; f < frames; ++f) {
                std::memmove(buffer.data() + f * sample, buffer.data() + 2 * f * sample, sample);
                std::memcpy(right.data() + f * sample, buffer.data() + (2 * f + 1) * sample,
                            sample);
            }
            onRecord_(std::span<const std::uint8_t>(buffer.data(), count / 2),
                      std::span<const std::uint8_t>(right.data(), count / 2));
        } else {
            onRecord_(recorded, {});
        }
    }
    --queued_;
    deliverIndex_ = (deliverIndex_ + 1) % BufferCount;
    // An empty buffer is what a reset returns: it stays with us.
    if (count > 0)
        post_([this] { requeue(); });
}

void Recorder::requeue() {
    // A task posted before a stop may arrive after the next start.
    if (!active_ || queued_ >= BufferCount)
        return;
    ++queued_;
    addIndex_ = (addIndex_ + 1) % BufferCount;
}

void Recorder::scanForTrigger(std::span<const std::uint8_t> bytes) {
    if (settings_.width == SampleWidth::Bits16) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto word = static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8));
            if (word >= trigLevel_) {
                triggered_ = true;
                return;
            }
        }
        return;
    }
    for (const std::uint8_t byte : bytes) {
        if (byte >= trigLevel_) {
            triggered_ = true;
            return;
        }
    }
}

} // namespace kdsp::audio
