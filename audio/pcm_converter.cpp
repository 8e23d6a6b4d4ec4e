#include "audio/pcm_converter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kdsp::audio {

namespace {

int BytesPerSample(SampleFormat format) {
    switch (format) {
    case SampleFormat::UInt8:
        return 1;
    case SampleFormat::Int16:
        return 2;
    case SampleFormat::Int24:
        return 3;
    case SampleFormat::Int32:
    case SampleFormat::Float32:
        return 4;
    }
    return 1;
}

double SampleValue(SampleFormat format, const std::uint8_t* p) {
    switch (format) {
    case SampleFormat::UInt8:
        return (p[0] - 128) / 128.0;
    case SampleFormat::Int16:
        return static_cast<std::int16_t>(p[0] | (p[1] << 8)) / 32768.0;
    case SampleFormat::Int24: {
        // Sign-extend from the top byte.
        const std::int32_t value =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) << 8 |
                                      static_cast<std::uint32_t>(p[1]) << 16 |
                                      static_cast<std::uint32_t>(p[2]) << 24) /
            256;
        return value / 8388608.0;
    }
    case SampleFormat::Int32: {
        const std::uint32_t bits =
            static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
            static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        return static_cast<std::int32_t>(bits) / 2147483648.0;
    }
    case SampleFormat::Float32: {
        const std::uint32_t bits =
            static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
            static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? std::clamp(static_cast<double>(value), -1.0, 1.0) : 0.0;
    }
    }
    return 0.0;
}

} // namespace

int PcmLayout::bytesPerFrame() const {
    return BytesPerSample(format) * std::max(channels, 1);
}

std::uint8_t ToUnsigned8(double sample) {
    const double scaled = std::nearbyint(sample * 128.0) + 128.0;
    return static_cast<std::uint8_t>(std::clamp(scaled, 0.0, 255.0));
}

PcmConverter::PcmConverter(PcmLayout from, int targetRate)
    : from_(from), step_(static_cast<double>(from.rate) / std::max(targetRate, 1)) {
    from_.channels = std::max(from_.channels, 1);
}

double PcmConverter::frameValue(const std::uint8_t* frame) const {
    const int size = BytesPerSample(from_.format);
    double sum = 0.0;
    for (int c = 0; c < from_.channels; ++c)
        sum += SampleValue(from_.format, frame + c * size);
    return sum / from_.channels;
}

void PcmConverter::convert(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out) {
    const auto frameBytes = static_cast<std::size_t>(from_.bytesPerFrame());
    const auto take = [&](const std::uint8_t* frame) {
        const double value = frameValue(frame);
        if (!primed_) {
            primed_ = true;
            previous_ = value;
            return;
        }
        while (position_ < 1.0) {
            out.push_back(ToUnsigned8(previous_ + (value - previous_) * position_));
            position_ += step_;
        }
        position_ -= 1.0;
        previous_ = value;
    };

    // Finish a frame cut by the previous piece first.
    if (!partial_.empty()) {
        const std::size_t missing = frameBytes - partial_.size();
        const std::size_t now = std::min(missing, bytes.size());
        partial_.insert(partial_.end(), bytes.begin(),
                        bytes.begin() + static_cast<std::ptrdiff_t>(now));
        bytes = bytes.subspan(now);
        if (partial_.size() < frameBytes)
            return;
        take(partial_.data());
        partial_.clear();
    }
    while (bytes.size() >= frameBytes) {
        take(bytes.data());
        bytes = bytes.subspan(frameBytes);
    }
    partial_.assign(bytes.begin(), bytes.end());
}

} // namespace kdsp::audio
