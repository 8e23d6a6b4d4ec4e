// How the box takes the console's bytes: streams split anywhere, USB
// reports judged by their length byte, damaged input ignored.

#include "console_side.h"
#include "sim/box_simulator.h"
#include "tests/link/hex.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kdsp {
namespace {

using test::connectRequest;
using test::hex;
using test::sendToBox;
using test::statusPoll;

Bytes concat(const Bytes& a, const Bytes& b) {
    Bytes out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

TEST(BoxInput, StreamFrameSplitAnywhereIsAnsweredOnce) {
    const Bytes frame = connectRequest();
    for (std::size_t cut = 1; cut < frame.size(); ++cut) {
        BoxSimulator box(Transport::Serial);
        const ByteView all = frame;

        box.receive(all.first(cut));
        EXPECT_TRUE(box.takeOutput().empty()) << "cut at " << cut;
        box.receive(all.subspan(cut));

        EXPECT_EQ(box.takeOutput().size(), 2u) << "cut at " << cut;
        ASSERT_EQ(box.receivedFrames().size(), 1u);
        EXPECT_EQ(box.receivedFrames()[0], frame);
    }
}

TEST(BoxInput, StreamByteByByteAndBurstsAnswerEveryFrame) {
    BoxSimulator box(Transport::Tcp);
    const Bytes burst = concat(hex("00 13"), concat(statusPoll(), statusPoll()));

    for (std::uint8_t b : burst)
        box.receive(ByteView(&b, 1));
    box.receive(burst);

    EXPECT_EQ(box.takeOutput().size(), 4u);
    EXPECT_EQ(box.receivedFrames().size(), 4u);
    EXPECT_EQ(box.rejectedCount(), 0u);
}

// Input the box must ignore: nothing answered, nothing logged, counted.
struct RejectCase {
    const char* name;
    Transport transport;
    std::string bytes;
};

const RejectCase Rejects[] = {
    // connect request F5 C0 06 B7 1E 30 11 00 with a wrong checksum
    {"bad checksum on a stream", Transport::Serial, "F5 C0 06 B7 1E 30 11 00 0C"},
    {"bad checksum in a report", Transport::Usb, "F5 C0 06 B7 1E 30 11 00 0C 00 00"},
    {"report of zeros", Transport::Usb, "00 00 00 00 00 00 00 00 00"},
    {"acknowledge in a report", Transport::Usb, "EE BB 00 00"},
    {"wrong device address", Transport::Usb, "F5 C1 06 B7 1E 30 11 00 0B"},
    {"unknown command byte", Transport::Usb, "F5 C0 06 B5 1E 30 11 00 09"},
    {"length below a header", Transport::Usb, "F5 C0 03 B7 1E 30 11 00 0B"},
    {"length past the report", Transport::Usb, "F5 C0 FF B7 1E 30 11 00 0B"},
};

class RejectedInput : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectedInput, IsIgnoredAndCounted) {
    const RejectCase& c = GetParam();
    BoxSimulator box(c.transport);
    const ParameterStore before = box.store();

    sendToBox(box, hex(c.bytes));

    EXPECT_TRUE(box.takeOutput().empty());
    EXPECT_TRUE(box.receivedFrames().empty());
    EXPECT_EQ(box.rejectedCount(), 1u);
    EXPECT_EQ(box.store(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RejectedInput, ::testing::ValuesIn(Rejects), test::CaseName{});

TEST(BoxInput, ReportIsJudgedByItsLengthByteNotItsPadding) {
    BoxSimulator box(Transport::Usb);
    Bytes report = BuildValueFrame(CommandWrite, makeTag(PageMic1, 16), 0x1234);
    report.resize(UsbBlockSize, 0xA5); // whatever follows the checksum

    box.receive(report);

    ASSERT_EQ(box.receivedFrames().size(), 1u);
    EXPECT_EQ(box.receivedFrames()[0].size(), ValueFrameSize);
    EXPECT_EQ(box.store().value(PageMic1, 16), 0x1234);
    EXPECT_EQ(box.takeOutput().size(), 1u);
}

TEST(BoxInput, StreamRecoversAfterADamagedFrame) {
    BoxSimulator box(Transport::Serial);

    box.receive(concat(hex("F5 C0 06 B7 1E 30 11 00 0C"), statusPoll()));

    EXPECT_EQ(box.rejectedCount(), 1u);
    EXPECT_EQ(box.takeOutput().size(), 1u) << "the poll after it is answered";
}

} // namespace
} // namespace kdsp
