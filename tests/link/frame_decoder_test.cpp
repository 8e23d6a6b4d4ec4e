#include "hex.h"
#include "link/frame_decoder.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace kdsp {
namespace {

using test::hex;

// Records every event as a short word so a case can list what it expects.
struct RecordingEvents : DecoderEvents {
    std::vector<std::string> log;
    std::optional<int> systemName, hintName;

    void acknowledged() override { log.push_back("ack"); }
    void setTransferPhase(TransferPhase p) override {
        log.push_back(p == TransferPhase::Data ? "phase data" : "phase ack");
    }
    void frameLost() override { log.push_back("lost"); }
    void showMessage(std::string_view text) override { log.push_back("msg " + std::string(text)); }
    void pitchChanged(std::int32_t pitch) override {
        log.push_back("pitch " + std::to_string(pitch));
    }
    void deviceIdReceived(std::string_view id) override { log.push_back("id " + std::string(id)); }
    std::optional<int> outstandingNameRequest(ModeList list) const override {
        return list == ModeList::System ? systemName : hintName;
    }
};

struct Stored {
    int page, slot, value;
};

struct DecodeCase {
    const char* name;
    Transport transport;
    std::string bytes;
    std::vector<std::string> events;
    std::vector<Stored> stored; // every non-zero slot afterwards
};

const std::string Short = "msg 数据包丢失数据";
const std::string BadSum = "msg 数据包丢失数据 校验字不正确！";

const DecodeCase Cases[] = {
    {"two values",
     Transport::Serial,
     "F5 C0 08 B0 03 10 34 12 78 56 CC",
     {},
     {{3, 16, 0x1234}, {3, 17, 0x5678}}},
    {"two values over tcp",
     Transport::Tcp,
     "F5 C0 08 B0 03 10 34 12 78 56 CC",
     {"phase data"},
     {{3, 16, 0x1234}, {3, 17, 0x5678}}},
    {"no values is still a frame", Transport::Tcp, "F5 C0 04 B0 03 10 B8", {"phase data"}, {}},
    {"odd payload byte is ignored",
     Transport::Serial,
     "F5 C0 07 B0 03 10 34 12 78 76",
     {},
     {{3, 16, 0x1234}}},
    {"values past slot 164 are dropped",
     Transport::Serial,
     "F5 C0 08 B0 03 A4 01 00 02 00 4F",
     {},
     {{3, 164, 1}}},
    {"usb report judged on its frame",
     Transport::Usb,
     "F5 C0 06 B0 05 07 09 00 BA AA BB 00 00 00 00 00 00 00 00 00 00",
     {"phase data"},
     {{5, 7, 9}}},
    {"ack over usb", Transport::Usb, "EE BB 00 00", {"ack", "phase ack"}, {}},
    {"ack AA over tcp", Transport::Tcp, "EE AA", {"ack", "phase ack"}, {}},
    {"ack CC over tcp", Transport::Tcp, "EE CC", {"ack", "phase ack"}, {}},
    {"unknown ack is dropped", Transport::Tcp, "EE 12", {}, {}},
    {"lone EE is dropped", Transport::Tcp, "EE", {}, {}},
    {"other first byte is dropped", Transport::Usb, "00 F5 C0", {}, {}},
    {"empty block", Transport::Tcp, "", {}, {}},
    {"short frame", Transport::Tcp, "F5 C0 08 B0 03", {"phase data", "lost", Short}, {}},
    {"short frame over serial", Transport::Serial, "F5 C0 08 B0 03", {"lost", Short}, {}},
    {"bad checksum over tcp is silent",
     Transport::Tcp,
     "F5 C0 08 B0 03 10 34 12 78 56 CD",
     {"phase data", "lost"},
     {}},
    {"bad checksum over usb is reported",
     Transport::Usb,
     "F5 C0 08 B0 03 10 34 12 78 56 CD 00",
     {"phase data", "lost", BadSum},
     {}},
    {"frame a byte short of its length reads nothing past it",
     Transport::Tcp,
     "F5 C0 08 B0 03 10 34 12 78 56",
     {"phase data", "lost"},
     {}},
    {"length below 4", Transport::Usb, "F5 C0 02 B0 03 10 00 00 00", {"phase data", "lost"}, {}},
    // Two frames in one block: the last byte is taken as the checksum.
    {"coalesced frames fail the checksum",
     Transport::Tcp,
     "F5 C0 06 B0 05 07 09 00 BA F5 C0 06 B0 05 07 09 00 BA",
     {"phase data", "lost"},
     {}},
    {"command page value", Transport::Serial, "F5 C0 06 B0 1E 02 05 00 CA", {}, {{30, 2, 5}}},
    {"command slot above 0x30 ignored", Transport::Serial, "F5 C0 06 B0 1E 31 05 00 F9", {}, {}},
    {"upload echo ignored", Transport::Serial, "F5 C0 06 B0 1E 0F 05 00 D7", {}, {}},
    {"value for page above 30 dropped", Transport::Serial, "F5 C0 06 B0 20 02 05 00 CC", {}, {}},
    {"status poll reply",
     Transport::Serial,
     "F5 C0 10 B0 30 00 00 00 00 00 00 00 00 00 00 00 09 00 DE",
     {"ack", "phase ack", "pitch 9"},
     {{0, 3, 9}}},
    {"status reply without byte 16",
     Transport::Serial,
     "F5 C0 06 B0 30 00 00 00 D5",
     {"ack", "phase ack"},
     {}},
    {"status reply of another slot",
     Transport::Serial,
     "F5 C0 10 B0 30 01 00 00 00 00 00 00 00 00 00 00 09 00 DF",
     {"ack", "phase ack"},
     {}},
    {"device id",
     Transport::Tcp,
     "F5 C0 08 B0 1E 40 0A BC 12 EF CA",
     {"phase data", "id 0ABC12EF"},
     {}},
};

TEST(FrameDecoder, DecodesBlocks) {
    for (const auto& c : Cases) {
        ParameterStore store;
        LinkTexts texts;
        RecordingEvents events;
        FrameDecoder decoder(store, texts, events);

        decoder.decode(c.transport, hex(c.bytes));

        EXPECT_EQ(events.log, c.events) << c.name;
        ParameterStore expected;
        for (const auto& s : c.stored)
            expected.setValue(s.page, s.slot, s.value);
        EXPECT_EQ(store, expected) << c.name;
    }
}

TEST(FrameDecoder, StatusWithTheStoredPitchChangesNothingOnScreen) {
    ParameterStore store;
    store.setValue(PageMusic, 3, 9);
    LinkTexts texts;
    RecordingEvents events;
    FrameDecoder(store, texts, events)
        .decode(Transport::Serial, hex("F5 C0 10 B0 30 00 00 00 00 00 00 00 00 00 00 00 09 00 DE"));
    EXPECT_EQ(events.log, (std::vector<std::string>{"ack", "phase ack"}));
}

TEST(FrameDecoder, ModeNamesGoToTheOutstandingRequest) {
    ParameterStore store;
    LinkTexts texts;
    RecordingEvents events;
    FrameDecoder decoder(store, texts, events);
    const auto nameReply = [](int slot, const std::string& name) {
        return BuildBlockFrame(CommandRead, makeTag(PageSystem, slot),
                               Bytes(name.begin(), name.end()));
    };

    events.systemName = 4;
    decoder.decode(Transport::Serial, nameReply(0x00, "ABCDEFGHIJKLMNOPQRSTUVWXY"));
    events.hintName = 15;
    decoder.decode(Transport::Serial, nameReply(0x20, "K\xe6\xad\x8c\x01~"));
    events.hintName.reset();
    decoder.decode(Transport::Serial, nameReply(0x20, "nobody asked"));

    EXPECT_EQ(texts.systemModeNames[4], "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(texts.hintModeNames[15], "K????~");
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(texts.hintModeNames[static_cast<std::size_t>(i)], "");
}

TEST(FrameDecoder, KeepsPasswordAndSystemCode) {
    ParameterStore store;
    LinkTexts texts;
    RecordingEvents events;
    FrameDecoder decoder(store, texts, events);
    decoder.decode(Transport::Usb, BuildTextCommand(command::DevicePassword, "4321"));
    decoder.decode(Transport::Usb, BuildTextCommand(command::SystemCode, "654321"));
    EXPECT_EQ(texts.devicePassword, "4321");
    EXPECT_EQ(texts.systemCode, "654321");
    EXPECT_EQ(store, ParameterStore{});
}

} // namespace
} // namespace kdsp
