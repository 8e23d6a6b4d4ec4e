// The box's answers, sent through the console's encoders and read back
// through its framer and decoder.

#include "console_side.h"
#include "sim/box_simulator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kdsp {
namespace {

using test::AllTransports;
using test::blockUpload;
using test::ConsoleSide;
using test::exchange;
using test::infoRead;
using test::nameRead;
using test::pageRead;
using test::statusPoll;

constexpr int UsbChunk = 25;

int slotCount(int page) {
    return SlotCount[static_cast<std::size_t>(page)];
}

// One box and the console it talks to, over one transport.
class BoxLink : public ::testing::TestWithParam<Transport> {
protected:
    Transport transport() const { return GetParam(); }
    std::vector<Bytes> send(const Bytes& frame) { return exchange(box, console, frame); }

    // The parameter pages of a full download, chunked as the transfer does.
    void downloadPages() {
        for (int page = 0; page <= PageVolume; ++page) {
            if (transport() != Transport::Usb) {
                send(pageRead(page, 0));
                continue;
            }
            for (int first = 0; first < slotCount(page); first += UsbChunk)
                send(pageRead(page, first));
        }
    }

    bool pagesMatch(int firstPage, int endPage) const {
        for (int page = firstPage; page < endPage; ++page)
            for (int slot = 0; slot < slotCount(page); ++slot)
                if (console.store.value(page, slot) != box.store().value(page, slot))
                    return false;
        return true;
    }

    BoxSimulator box{GetParam()};
    ConsoleSide console{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Transports, BoxLink, ::testing::ValuesIn(AllTransports),
                         test::TransportName{});

TEST_P(BoxLink, ConnectIsAcknowledgedThenNamesTheDevice) {
    const std::vector<Bytes> out = send(test::connectRequest());

    EXPECT_EQ(console.acks, 1);
    EXPECT_EQ(console.shownDeviceId, "12A45C07");
    EXPECT_EQ(console.texts.deviceId, "12A45C07");
    ASSERT_EQ(out.size(), 2u) << "acknowledge and device ID are two replies";
    if (transport() == Transport::Usb) {
        for (const Bytes& block : out)
            EXPECT_EQ(block.size(), UsbBlockSize);
    }
}

TEST_P(BoxLink, DisconnectNoticeIsOnlyAcknowledged) {
    send(BuildValueFrame(CommandWrite, command::Connection, command::DisconnectValue));

    EXPECT_EQ(console.acks, 1);
    EXPECT_TRUE(console.shownDeviceId.empty());
    EXPECT_EQ(console.framesLost, 0);
}

TEST_P(BoxLink, StatusPollCarriesThePitch) {
    send(statusPoll());
    box.setStatusByte(9);
    send(statusPoll());
    send(statusPoll()); // unchanged pitch: nothing new to show

    EXPECT_EQ(console.pitches, (std::vector<int>{5, 9}));
    EXPECT_EQ(console.store.value(PageMusic, 3), 9);
    EXPECT_EQ(console.acks, 3) << "a status reply counts as an answer";
}

TEST_P(BoxLink, FullDownloadReproducesTheBoxPages) {
    ASSERT_FALSE(pagesMatch(0, PageVolume + 1)) << "the box should start unlike the console";

    downloadPages();

    EXPECT_TRUE(pagesMatch(0, PageVolume + 1));
    EXPECT_EQ(console.framesLost, 0);
    EXPECT_EQ(console.store.value(PageMusic, 12), 150);
}

TEST_P(BoxLink, DownloadOfNamesAndInformation) {
    for (int k = 0; k < ModesPerList; ++k) {
        console.systemNameRequest = k;
        send(nameRead(ModeList::System, k));
        console.hintNameRequest = k;
        send(nameRead(ModeList::Hint, k));
    }
    for (int slot : {0x01, 0x02, 0x03, 0x04, 0x05, 0x15, 0x21, 0x22, 0x14})
        send(infoRead(makeTag(PageSystem, slot)));

    for (int k = 0; k < ModesPerList; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(console.texts.systemModeNames[i], box.modes().name(ModeList::System, k));
        EXPECT_EQ(console.texts.hintModeNames[i], box.modes().name(ModeList::Hint, k));
    }
    EXPECT_EQ(console.texts.systemModeNames[15], "System mode 16");
    EXPECT_EQ(console.texts.devicePassword, "2468");
    EXPECT_EQ(console.store.value(PageSystem, 20), 5);
}

TEST_P(BoxLink, BlockUploadIsAppliedAndReadsBack) {
    // Upload page 7 as the transfer chunks it, with values unlike the box's.
    const int page = PageReverb;
    const int chunk = transport() == Transport::Usb ? UsbChunk : slotCount(page);
    for (int first = 0; first < slotCount(page); first += chunk) {
        // A USB chunk carries 25 values, or up to the slot after the page's
        // last; serial and TCP carry exactly the page.
        const int last = transport() == Transport::Usb
                             ? std::min(first + chunk - 1, slotCount(page))
                             : slotCount(page) - 1;
        std::vector<int> values;
        for (int slot = first; slot <= last; ++slot)
            values.push_back(0x0100 * slot + 7);
        ASSERT_EQ(send(blockUpload(page, first, values)).size(), 1u);
    }
    EXPECT_EQ(console.acks, transport() == Transport::Usb ? 2 : 1);
    if (transport() == Transport::Usb) {
        EXPECT_EQ(box.store().value(page, slotCount(page)), 0x0100 * slotCount(page) + 7)
            << "the last chunk's extra slot is kept too";
    }

    ConsoleSide fresh(transport());
    for (int first = 0; first < slotCount(page); first += chunk)
        exchange(box, fresh, pageRead(page, first));
    for (int slot = 0; slot < slotCount(page); ++slot)
        EXPECT_EQ(fresh.store.value(page, slot), 0x0100 * slot + 7) << "slot " << slot;
}

// A page read answers from its first slot to the page's end, over USB at
// most 25 values. The box's page holds 1000 + slot everywhere, the
// console's nothing, so the console's store shows exactly what came.
struct PageReadCase {
    const char* name;
    Transport transport;
    int page;
    int first;
    int values;
};

const PageReadCase PageReads[] = {
    {"serial page 0 whole", Transport::Serial, 0, 0, 95},
    {"tcp largest page whole", Transport::Tcp, 3, 0, 115},
    {"serial page 0 from slot 90", Transport::Serial, 0, 90, 5},
    {"serial page without slots", Transport::Serial, 27, 0, 0},
    {"usb page 0 chunk 0", Transport::Usb, 0, 0, 25},
    {"usb page 0 chunk 1", Transport::Usb, 0, 25, 25},
    {"usb page 0 chunk 2", Transport::Usb, 0, 50, 25},
    {"usb page 0 last chunk stops at the page end", Transport::Usb, 0, 75, 20},
    {"usb page 1 last chunk is full", Transport::Usb, 1, 50, 25},
    {"usb short page", Transport::Usb, 25, 0, 11},
    {"usb past the page end", Transport::Usb, 0, 100, 0},
};

class PageRead : public ::testing::TestWithParam<PageReadCase> {};

TEST_P(PageRead, AnswersTheSlotsOfThePage) {
    const PageReadCase& c = GetParam();
    BoxSimulator box(c.transport);
    ConsoleSide console(c.transport);
    console.store.clear();
    for (int slot = 0; slot < SlotsPerPage; ++slot)
        box.store().setValue(c.page, slot, 1000 + slot);

    const std::vector<Bytes> out = exchange(box, console, pageRead(c.page, c.first));

    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0][2], 4 + 2 * c.values) << "length byte";
    EXPECT_EQ(console.framesLost, 0);
    for (int slot = 0; slot < SlotsPerPage; ++slot) {
        const bool carried = slot >= c.first && slot < c.first + c.values;
        EXPECT_EQ(console.store.value(c.page, slot), carried ? 1000 + slot : 0) << "slot " << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PageRead, ::testing::ValuesIn(PageReads), test::CaseName{});

TEST(BoxSimulator, PageReadAboveTheParameterPagesIsOnlyAcknowledged) {
    BoxSimulator box(Transport::Serial);
    ConsoleSide console(Transport::Serial);
    const ParameterStore before = console.store;

    exchange(box, console, pageRead(PageSystem, 0));
    exchange(box, console, pageRead(40, 0));

    EXPECT_EQ(console.acks, 2);
    EXPECT_EQ(console.store, before);
}

// Single writes land where the store has room and are always acknowledged.
struct WriteCase {
    const char* name;
    Tag address;
    int value;
    bool stored;
};

const WriteCase Writes[] = {
    {"parameter", makeTag(PageMic1, 16), 0x1234, true},
    {"largest value", makeTag(PageVolume, 1), 0xFFFF, true},
    {"command page setting", makeTag(PageSystem, 8), 1, true},
    {"past the last slot", makeTag(PageMusic, 200), 7, false},
    {"status page", makeTag(PageStatus, 3), 7, false},
    {"read-only command", command::BlockRequest, 7, false},
};

class SingleWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SingleWrite, IsAppliedAndAcknowledged) {
    const WriteCase& c = GetParam();
    BoxSimulator box(Transport::Serial);
    ConsoleSide console(Transport::Serial);
    ParameterStore expected = box.store();
    if (c.stored)
        expected.setValue(c.address, c.value);

    exchange(box, console, BuildValueFrame(CommandWrite, c.address, c.value));

    EXPECT_EQ(console.acks, 1);
    EXPECT_EQ(box.store(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleWrite, ::testing::ValuesIn(Writes), test::CaseName{});

TEST(BoxSimulator, WrittenCommandPageSettingReadsBack) {
    BoxSimulator box(Transport::Usb);
    ConsoleSide console(Transport::Usb);

    exchange(box, console, BuildValueFrame(CommandWrite, makeTag(PageSystem, 0x03), 1));
    exchange(box, console, infoRead(makeTag(PageSystem, 0x03)));

    EXPECT_EQ(console.store.value(PageSystem, 0x03), 1);
}

// Information reads: slots answer their stored value, the password and
// system code their text.
TEST(BoxSimulator, InformationReadsCarryTheCommandPage) {
    BoxSimulator box(Transport::Tcp);
    ConsoleSide console(Transport::Tcp);
    const int valueSlots[] = {0x01, 0x02, 0x03, 0x04, 0x14, 0x15, 0x21, 0x22};
    for (int slot : valueSlots)
        box.store().setValue(PageSystem, slot, 0x0300 + slot);

    for (int slot : valueSlots)
        exchange(box, console, infoRead(makeTag(PageSystem, slot)));
    exchange(box, console, infoRead(command::DevicePassword));
    exchange(box, console, infoRead(command::SystemCode));

    for (int slot : valueSlots)
        EXPECT_EQ(console.store.value(PageSystem, slot), 0x0300 + slot) << "slot " << slot;
    EXPECT_EQ(console.texts.devicePassword, "2468");
    EXPECT_EQ(console.texts.systemCode, "135790");
}

struct TextCase {
    const char* name;
    Tag address;
    std::string text;
    std::string expected; // what a later read returns
};

const TextCase Texts[] = {
    {"new password", command::DevicePassword, "9753", "9753"},
    {"password of 5 characters is refused", command::DevicePassword, "97531", "2468"},
    {"new system code", command::SystemCode, "246810", "246810"},
    {"short system code is refused", command::SystemCode, "24", "135790"},
};

class TextWrite : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextWrite, IsAcknowledgedAndReadsBack) {
    const TextCase& c = GetParam();
    BoxSimulator box(Transport::Serial);
    ConsoleSide console(Transport::Serial);

    exchange(box, console, BuildTextCommand(c.address, c.text));
    exchange(box, console, infoRead(c.address));

    EXPECT_EQ(console.acks, 1);
    const std::string& read = c.address == command::DevicePassword ? console.texts.devicePassword
                                                                   : console.texts.systemCode;
    EXPECT_EQ(read, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextWrite, ::testing::ValuesIn(Texts), test::CaseName{});

TEST(BoxSimulator, NameReadOutsideTheListIsOnlyAcknowledged) {
    BoxSimulator box(Transport::Serial);
    ConsoleSide console(Transport::Serial);
    console.systemNameRequest = 0;

    exchange(box, console, nameRead(ModeList::System, ModesPerList));

    EXPECT_EQ(console.acks, 1);
    EXPECT_TRUE(console.texts.systemModeNames[0].empty());
}

// Mode store and recall, for both lists, through the console's frames.
struct ModeCase {
    const char* name;
    ModeList list;
    Tag storeAddress;
    Tag recallAddress;
    Tag changed; // a slot the mode covers
    const char* sentName;
    const char* keptName;
    Tag defaultMark;    // the slot where default mode k differs from the start store
    int defaultMarkOf3; // its value in default mode 3
};

const ModeCase Modes[] = {
    {"system", ModeList::System, command::SystemModeStore, command::SystemModeRecall,
     makeTag(PageMusic, 12), "Party", "Party", makeTag(PageMusic, 12), 120 + 3},
    {"hint", ModeList::Hint, command::HintModeStore, command::HintModeRecall,
     makeTag(PageHint + 2, 8), "Duet  ", "Duet", makeTag(PageHint, 3), 100 + 3},
};

class ModeRoundTrip : public ::testing::TestWithParam<ModeCase> {
protected:
    Bytes storeFrame(int index, const std::string& name) const {
        const std::string text = std::string{static_cast<char>(index), '\0'} + name;
        return BuildTextCommand(GetParam().storeAddress, text);
    }
    Bytes write(Tag address, int value) const {
        return BuildValueFrame(CommandWrite, address, value);
    }
    Bytes recall(int index) const { return write(GetParam().recallAddress, index); }

    BoxSimulator box{Transport::Serial};
    ConsoleSide console{Transport::Serial};
};

TEST_P(ModeRoundTrip, StoredModeComesBackOnRecall) {
    const ModeCase& c = GetParam();
    // Slots on either side of the hint pages: only a system mode covers them.
    const Tag outside[] = {makeTag(PageMusic, 12), makeTag(PageVolume, 1)};
    exchange(box, console, write(c.changed, 77));
    exchange(box, console, storeFrame(6, c.sentName));
    const ParameterStore stored = box.store();
    exchange(box, console, write(c.changed, 78));
    for (Tag tag : outside)
        exchange(box, console, write(tag, 79));

    exchange(box, console, recall(6));

    EXPECT_EQ(console.acks, 6);
    EXPECT_EQ(box.store().value(c.changed), 77);
    EXPECT_EQ(box.store().value(PageSystem, ModeBank::recalledModeSlot(c.list)), 6);
    for (Tag tag : outside)
        EXPECT_EQ(box.store().value(tag), c.list == ModeList::Hint ? 79 : stored.value(tag))
            << "page " << pageOf(tag);

    (c.list == ModeList::System ? console.systemNameRequest : console.hintNameRequest) = 6;
    exchange(box, console, nameRead(c.list, 6));
    EXPECT_EQ(console.texts.names(c.list)[6], c.keptName);
}

TEST_P(ModeRoundTrip, IndexOutsideTheListChangesNothing) {
    const ModeCase& c = GetParam();
    const ParameterStore before = box.store();

    exchange(box, console, storeFrame(ModesPerList, c.sentName));
    exchange(box, console, recall(ModesPerList));
    exchange(box, console, write(c.recallAddress, 0x0100)); // index 256

    EXPECT_EQ(console.acks, 3);
    EXPECT_EQ(box.store(), before);
    for (int k = 0; k < ModesPerList; ++k)
        EXPECT_NE(box.modes().name(c.list, k), c.keptName);
}

TEST_P(ModeRoundTrip, DefaultModeRecallShowsInADownload) {
    const ModeCase& c = GetParam();
    exchange(box, console, recall(3));
    exchange(box, console, pageRead(pageOf(c.defaultMark), 0));
    exchange(box, console, infoRead(makeTag(PageSystem, ModeBank::recalledModeSlot(c.list))));

    EXPECT_EQ(console.store.value(c.defaultMark), c.defaultMarkOf3);
    EXPECT_EQ(console.store.value(PageSystem, ModeBank::recalledModeSlot(c.list)), 3);
}

INSTANTIATE_TEST_SUITE_P(Lists, ModeRoundTrip, ::testing::ValuesIn(Modes), test::CaseName{});

} // namespace
} // namespace kdsp
