#pragma once

#include "model/page_catalogue.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kdsp {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

enum class Transport { Usb, Serial, Tcp };

// Frame layout: F5 C0 L CMD PAGE SLOT PAYLOAD... SUM, where L counts the
// bytes from CMD through SUM and SUM covers F5, CMD, PAGE, SLOT and the
// payload (not the address or length bytes).
inline constexpr std::uint8_t FrameStart = 0xF5;
inline constexpr std::uint8_t DeviceAddress = 0xC0;
inline constexpr std::uint8_t CommandWrite = 0xB7;
inline constexpr std::uint8_t CommandRead = 0xB0;
inline constexpr std::size_t FrameOverhead = 7; // header (6) + checksum
inline constexpr std::size_t MaxPayload = 251;  // the length byte counts payload + 4
inline constexpr std::size_t ValueFrameSize = 9;

// The box's two-byte answer: EE followed by BB, AA or CC, all meaning "ready".
inline constexpr std::uint8_t AckStart = 0xEE;
constexpr bool IsAcknowledgeCode(std::uint8_t b) {
    return b == 0xBB || b == 0xAA || b == 0xCC;
}

// Command page slots.
namespace command {
inline constexpr Tag SystemModeName = makeTag(PageSystem, 0x00); // read: payload k, 0
inline constexpr Tag SystemModeStore = makeTag(PageSystem, 0x01);
inline constexpr Tag SystemModeRecall = makeTag(PageSystem, 0x02);
inline constexpr Tag DevicePassword = makeTag(PageSystem, 0x05);
inline constexpr Tag SystemCode = makeTag(PageSystem, 0x07);
inline constexpr Tag BlockUpload = makeTag(PageSystem, 0x0F);
inline constexpr Tag BlockRequest = makeTag(PageSystem, 0x10);
inline constexpr Tag HintModeName = makeTag(PageSystem, 0x20);
inline constexpr Tag HintModeStore = makeTag(PageSystem, 0x21);
inline constexpr Tag HintModeRecall = makeTag(PageSystem, 0x22);
inline constexpr Tag Connection = makeTag(PageSystem, 0x30);
inline constexpr Tag DeviceId = makeTag(PageSystem, 0x40); // reply only
inline constexpr std::int32_t ConnectValue = 0x0011;
inline constexpr std::int32_t DisconnectValue = 0x00AA;
inline constexpr std::int32_t StatusPollValue = PageStatus; // page 48 from slot 0
inline constexpr std::size_t StoreNameLength = 20;
} // namespace command

// Low 8 bits of F5 + command + page + slot + payload of a complete frame.
std::uint8_t FrameChecksum(ByteView frame);

// F5 C0 06 CMD PAGE SLOT LO HI SUM. The value travels as 16 bits, low byte first.
Bytes BuildValueFrame(std::uint8_t command, Tag address, std::int32_t value);

// F5 C0 n+4 CMD PAGE SLOT PAYLOAD SUM. Throws std::length_error for a payload
// longer than MaxPayload.
Bytes BuildBlockFrame(std::uint8_t command, Tag address, ByteView payload);

// Text commands. The system-mode name request (0x1E00) is a read carrying the
// text; the system-mode store (0x1E01) is a write of exactly 22 bytes: the
// first two characters (index and 0 as set by the caller), then the name
// padded with spaces to 20; any other address is a write of the text as is.
Bytes BuildTextCommand(Tag address, std::string_view text);

// Upper-case hex pairs separated by single spaces: "F5 C0 06 ...".
std::string FormatHex(ByteView bytes);

} // namespace kdsp
