#include "link/frame_codec.h"

#include <stdexcept>
#include <string>

namespace kdsp {

namespace {

std::uint8_t byteOf(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

} // namespace

std::uint8_t FrameChecksum(ByteView frame) {
    unsigned sum = frame.empty() ? 0 : frame[0];
    for (std::size_t i = 3; i + 1 < frame.size(); ++i)
        sum += frame[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes BuildBlockFrame(std::uint8_t command, Tag address, ByteView payload) {
    if (payload.size() > MaxPayload)
        throw std::length_error("frame payload longer than 251 bytes");
    Bytes frame;
    frame.reserve(payload.size() + FrameOverhead);
    frame.push_back(FrameStart);
    frame.push_back(DeviceAddress);
    frame.push_back(static_cast<std::uint8_t>(payload.size() + 4));
    frame.push_back(command);
    frame.push_back(byteOf(address >> 8));
    frame.push_back(byteOf(address));
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(0);
    frame.back() = FrameChecksum(frame);
    return frame;
}

Bytes BuildValueFrame(std::uint8_t command, Tag address, std::int32_t value) {
    const std::uint8_t payload[] = {byteOf(value), byteOf(value >> 8)};
    return BuildBlockFrame(command, address, payload);
}

Bytes BuildTextCommand(Tag address, std::string_view text) {
    Bytes payload(text.begin(), text.end());
    std::uint8_t command = CommandWrite;
    if (address == command::SystemModeName) {
        command = CommandRead;
    } else if (address == command::SystemModeStore) {
        payload.resize(2 + command::StoreNameLength, ' ');
    }
    return BuildBlockFrame(command, address, payload);
}

std::string FormatHex(ByteView bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[b >> 4];
        text += Digits[b & 0x0F];
    }
    return text;
}

} // namespace kdsp
