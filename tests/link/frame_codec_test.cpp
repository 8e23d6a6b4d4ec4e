#include "hex.h"
#include "link/frame_codec.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace kdsp {
namespace {

using test::hex;

TEST(FrameCodec, ValueFrames) {
    struct Case {
        const char* name;
        std::uint8_t command;
        Tag address;
        std::int32_t value;
        const char* frame;
    } cases[] = {
        {"connect request", CommandWrite, command::Connection, command::ConnectValue,
         "F5 C0 06 B7 1E 30 11 00 0B"},
        {"disconnect notice", CommandWrite, command::Connection, command::DisconnectValue,
         "F5 C0 06 B7 1E 30 AA 00 A4"},
        {"status poll", CommandRead, command::BlockRequest, command::StatusPollValue,
         "F5 C0 06 B0 1E 10 30 00 03"},
        {"page 0 from slot 0", CommandRead, command::BlockRequest, 0, "F5 C0 06 B0 1E 10 00 00 D3"},
        // value low byte first; the checksum wraps
        {"16-bit value", CommandWrite, makeTag(8, 160), 0xFFFF, "F5 C0 06 B7 08 A0 FF FF 52"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatHex(BuildValueFrame(c.command, c.address, c.value)), c.frame) << c.name;
}

TEST(FrameCodec, BlockFrameCountsPayloadInItsLength) {
    EXPECT_EQ(FormatHex(BuildBlockFrame(CommandRead, command::SystemCode, {})),
              "F5 C0 04 B0 1E 07 CA");
    const Bytes payload(192, 0x01);
    const Bytes frame = BuildBlockFrame(CommandWrite, command::BlockUpload, payload);
    EXPECT_EQ(frame.size(), 199u);
    EXPECT_EQ(frame[2], 196);
    EXPECT_EQ(frame.back(), FrameChecksum(frame));
    EXPECT_THROW(BuildBlockFrame(CommandWrite, command::BlockUpload, Bytes(252, 0)),
                 std::length_error);
}

TEST(FrameCodec, TextCommands) {
    struct Case {
        const char* name;
        Tag address;
        std::string text;
        const char* frame;
    } cases[] = {
        // name request: read, text as given
        {"system name", command::SystemModeName, std::string("\x03\x00", 2),
         "F5 C0 06 B0 1E 00 03 00 C6"},
        // mode store: index, 0, name padded with spaces to 20
        {"system store", command::SystemModeStore, std::string("\x02\x00", 2) + "AB",
         "F5 C0 1A B7 1E 01 02 00 41 42 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
         "90"},
        {"hint store unpadded", command::HintModeStore, std::string("\x01\x00", 2) + "AB",
         "F5 C0 08 B7 1E 21 01 00 41 42 6F"},
        {"password", command::DevicePassword, "1234", "F5 C0 08 B7 1E 05 31 32 33 34 99"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatHex(BuildTextCommand(c.address, c.text)), c.frame) << c.name;
}

TEST(FrameCodec, StoreNameIsCutToTwentyCharacters) {
    const Bytes frame = BuildTextCommand(command::SystemModeStore,
                                         std::string("\x00\x00", 2) + std::string(30, 'x'));
    EXPECT_EQ(frame.size(), 22 + FrameOverhead);
}

} // namespace
} // namespace kdsp
