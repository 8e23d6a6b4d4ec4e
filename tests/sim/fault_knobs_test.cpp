// Each fault knob, seen from the console's side of the link.

#include "console_side.h"
#include "sim/box_simulator.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kdsp {
namespace {

using test::AllTransports;
using test::ConsoleSide;
using test::exchange;
using test::pageRead;
using test::sendToBox;
using test::statusPoll;

class Faults : public ::testing::TestWithParam<Transport> {
protected:
    Transport transport() const { return GetParam(); }
    std::vector<Bytes> send(const Bytes& frame) { return exchange(box, console, frame); }

    BoxSimulator box{GetParam()};
    ConsoleSide console{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Transports, Faults, ::testing::ValuesIn(AllTransports),
                         test::TransportName{});

TEST_P(Faults, DroppedReplyNeverArrivesButTheRequestTookEffect) {
    box.faults().dropReply(2);

    EXPECT_EQ(send(statusPoll()).size(), 1u);
    EXPECT_TRUE(send(BuildValueFrame(CommandWrite, makeTag(PageMic1, 16), 9)).empty());
    EXPECT_EQ(send(statusPoll()).size(), 1u) << "a drop strikes once";

    EXPECT_EQ(console.acks, 2);
    EXPECT_EQ(box.store().value(PageMic1, 16), 9);
}

TEST_P(Faults, PeriodicFaultsStrikeEveryNthReply) {
    struct Case {
        const char* name;
        void (*arm)(FaultKnobs&);
        std::vector<bool> arrivesIntact; // per status poll
    } cases[] = {
        {"drop every 3rd",
         [](FaultKnobs& f) { f.dropEvery(3); },
         {true, true, false, true, true, false}},
        {"corrupt every 2nd",
         [](FaultKnobs& f) { f.corruptEvery(2); },
         {true, false, true, false, true, false}},
        {"cut every 4th",
         [](FaultKnobs& f) { f.cutEvery(4, 2); },
         {true, true, true, false, true, true}},
    };
    for (const auto& c : cases) {
        BoxSimulator fresh(transport());
        c.arm(fresh.faults());
        for (std::size_t i = 0; i < c.arrivesIntact.size(); ++i) {
            ConsoleSide side(transport());
            exchange(fresh, side, statusPoll());
            EXPECT_EQ(side.acks == 1 && side.framesLost == 0, c.arrivesIntact[i])
                << c.name << " poll " << i;
        }
    }
}

TEST_P(Faults, CorruptedFrameIsLostOnTheConsole) {
    box.faults().corruptReply(1);

    send(pageRead(PageMusic, 0));

    EXPECT_EQ(console.framesLost, 1);
    EXPECT_EQ(console.store.value(PageMusic, 12), StartupStore().value(PageMusic, 12));
    // Only USB tells the user about a bad checksum.
    EXPECT_EQ(console.messages.size(), transport() == Transport::Usb ? 1u : 0u);

    send(pageRead(PageMusic, 0));
    EXPECT_EQ(console.store.value(PageMusic, 12), 150) << "the repeat goes through";
}

TEST_P(Faults, CorruptedAcknowledgeIsNoAnswer) {
    box.faults().corruptReply(1);

    send(BuildValueFrame(CommandWrite, makeTag(PageMic1, 16), 9));

    EXPECT_EQ(console.acks, 0);
}

TEST_P(Faults, FrameCutShortIsNeverStored) {
    box.faults().cutReply(1, 3);

    const std::vector<Bytes> out = send(pageRead(PageVolume, 0));

    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(console.store.value(PageVolume, 0), StartupStore().value(PageVolume, 0));
    if (transport() == Transport::Usb) {
        // The report's padding stands where the cut bytes were.
        EXPECT_EQ(out[0].size(), UsbBlockSize);
        EXPECT_EQ(console.framesLost, 1);
    } else {
        EXPECT_EQ(out[0].size(), FrameOverhead + 2 * 11 - 3);
        EXPECT_EQ(console.framesLost, 0) << "the framer still waits for the body";
    }
}

TEST_P(Faults, ReplyCutAwayEntirelySendsNothing) {
    box.faults().cutReply(1, 100);

    EXPECT_TRUE(send(statusPoll()).empty());
}

TEST_P(Faults, SilentBoxNeitherAnswersNorActs) {
    box.faults().setSilent(true);
    const Bytes write = BuildValueFrame(CommandWrite, makeTag(PageMic1, 16), 9);

    EXPECT_TRUE(send(test::connectRequest()).empty());
    EXPECT_TRUE(send(write).empty());

    EXPECT_NE(box.store().value(PageMic1, 16), 9);
    EXPECT_EQ(box.receivedFrames().size(), 2u) << "the frames still reached it";

    box.faults().setSilent(false);
    EXPECT_EQ(send(write).size(), 1u);
}

TEST_P(Faults, DelayedRepliesWaitForTheirTicks) {
    box.faults().setReplyDelay(3);
    sendToBox(box, statusPoll());

    box.tick();
    box.tick();
    EXPECT_TRUE(box.takeOutput().empty());
    EXPECT_EQ(box.heldReplies(), 1u);
    box.tick();
    console.receive(box.takeOutput());

    EXPECT_EQ(console.acks, 1);
    EXPECT_EQ(box.heldReplies(), 0u);
}

TEST_P(Faults, ReleasedRepliesKeepTheirOrder) {
    box.faults().setReplyDelay(100);
    sendToBox(box, statusPoll());
    box.setStatusByte(7);
    box.faults().setReplyDelay(0);
    sendToBox(box, statusPoll());
    EXPECT_TRUE(box.takeOutput().empty()) << "no overtaking a held reply";

    box.releaseHeld();
    console.receive(box.takeOutput());

    EXPECT_EQ(console.pitches, (std::vector<int>{5, 7}));
}

// Re-cut or merged stream output still decodes through the console's
// framer: a connect (acknowledge and device ID), a page and a status poll.
struct ShapeCase {
    const char* name;
    std::size_t split;
    bool coalesce;
    std::size_t chunks; // how many chunks the burst leaves the box in
};

const ShapeCase Shapes[] = {
    {"one reply per chunk", 0, false, 4},
    {"coalesced", 0, true, 1},
    // 90 bytes: acknowledge 2, device ID 11, hint page 59, status 18
    {"single bytes", 1, false, 90},
    {"pairs", 2, false, 45},
    {"odd size", 7, false, 13},
    {"split wins over coalescing", 5, true, 18},
};

class StreamShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(StreamShape, StillDecodes) {
    const ShapeCase& c = GetParam();
    BoxSimulator box(Transport::Tcp);
    ConsoleSide console(Transport::Tcp);
    box.faults().splitOutput(c.split);
    box.faults().coalesceOutput(c.coalesce);

    for (const Bytes& request : {test::connectRequest(), pageRead(PageHint, 0), statusPoll()})
        sendToBox(box, request);
    const std::vector<Bytes> out = box.takeOutput();
    console.receive(out);

    EXPECT_EQ(out.size(), c.chunks);
    EXPECT_EQ(console.acks, 2) << "the acknowledge and the status reply";
    EXPECT_EQ(console.shownDeviceId, "12A45C07");
    EXPECT_EQ(console.store.value(PageHint, 3), 130);
    EXPECT_EQ(console.pitches, (std::vector<int>{5}));
    EXPECT_EQ(console.framesLost, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, StreamShape, ::testing::ValuesIn(Shapes), test::CaseName{});

TEST(FaultKnobs, ClearTurnsEverythingOff) {
    BoxSimulator box(Transport::Serial);
    box.faults().dropReply(1);
    box.faults().setSilent(true);
    box.faults().setReplyDelay(5);
    box.faults().splitOutput(1);

    box.faults().clear();
    sendToBox(box, statusPoll());

    const std::vector<Bytes> out = box.takeOutput();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].size(), 18u);
}

} // namespace
} // namespace kdsp
