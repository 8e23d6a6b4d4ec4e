#include "engine_rig.h"

#include <functional>
#include <gtest/gtest.h>

namespace kdsp {
namespace {

using test::Describe;
using test::Rig;

// The requests of a transfer as the box received them (connects left out).
std::vector<std::string> transferRequests(const BoxSimulator& box) {
    std::vector<std::string> requests;
    for (const std::string& request : Describe(box.receivedFrames()))
        if (request != "connect")
            requests.push_back(request);
    return requests;
}

std::vector<std::string> startingWith(const std::vector<std::string>& requests,
                                      const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& request : requests)
        if (request.rfind(prefix, 0) == 0)
            found.push_back(request);
    return found;
}

void expectStoresAgree(const ParameterStore& console, const ParameterStore& box) {
    for (int page = 0; page <= PageVolume; ++page)
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot)
            ASSERT_EQ(console.value(page, slot), box.value(page, slot))
                << "page " << page << " slot " << slot;
}

struct DownloadCase {
    const char* name;
    Transport transport;
    std::function<void(FaultKnobs&)> fault; // armed once the download has started
    int requests;                           // -1: not counted
    std::vector<std::string> messages;
};

const std::string BadChecksum = "数据包丢失数据 校验字不正确！";

// Pages 0..25 over USB in chunks of 25 slots make 72 requests; the two name
// lists and nine information reads add 41.
const DownloadCase DownloadCases[] = {
    {"serial", Transport::Serial, {}, 67, {}},
    {"TCP", Transport::Tcp, {}, 67, {}},
    {"USB", Transport::Usb, {}, 113, {}},
    {"serial, a reply dropped", Transport::Serial, [](FaultKnobs& f) { f.dropReply(10); }, 68, {}},
    {"serial, a checksum broken",
     Transport::Serial,
     [](FaultKnobs& f) { f.corruptReply(5); },
     68,
     {}},
    {"serial, a reply cut short",
     Transport::Serial,
     [](FaultKnobs& f) { f.cutReply(5, 3); },
     -1,
     {}},
    {"TCP, replies split into 3-byte pieces",
     Transport::Tcp,
     [](FaultKnobs& f) { f.splitOutput(3); },
     67,
     {}},
    {"TCP, replies coalesced",
     Transport::Tcp,
     [](FaultKnobs& f) { f.coalesceOutput(true); },
     67,
     {}},
    {"TCP, a reply cut short", Transport::Tcp, [](FaultKnobs& f) { f.cutReply(40, 2); }, -1, {}},
    {"USB, a checksum broken",
     Transport::Usb,
     [](FaultKnobs& f) { f.corruptReply(5); },
     114,
     {BadChecksum}},
};

TEST(BulkTransfer, FullDownloadBringsTheWholeBox) {
    for (const DownloadCase& c : DownloadCases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        BoxSimulator& box = rig.boxOn(c.transport);
        rig.searchUntilLinking();
        ASSERT_TRUE(rig.engine.timerRunning(LinkTimer::Transfer));
        EXPECT_EQ(rig.host.status, "Linking...");
        if (c.fault)
            c.fault(box.faults());

        const int ticks = rig.runTransfer();
        if (c.requests > 0) {
            EXPECT_EQ(transferRequests(box).size(), static_cast<std::size_t>(c.requests));
        }
        // Without faults each tick sends the next request as soon as the
        // previous reply is in, and the link comes up on the tick after the
        // last reply (the first request went out with the handshake).
        if (!c.fault) {
            EXPECT_EQ(ticks, c.requests);
        }

        ASSERT_TRUE(rig.engine.online());
        EXPECT_EQ(rig.host.status, "Online");
        EXPECT_EQ(rig.host.onlineRefreshes, 1);
        EXPECT_EQ(rig.engine.linkUpStage(), 1);
        EXPECT_TRUE(rig.engine.timerRunning(LinkTimer::Pacing));
        expectStoresAgree(rig.store, box.store());
        for (int k = 0; k < ModesPerList; ++k) {
            EXPECT_EQ(rig.engine.texts().systemModeNames[static_cast<std::size_t>(k)],
                      box.modes().name(ModeList::System, k));
            EXPECT_EQ(rig.engine.texts().hintModeNames[static_cast<std::size_t>(k)],
                      box.modes().name(ModeList::Hint, k));
        }
        EXPECT_EQ(rig.engine.texts().devicePassword, "2468");
        EXPECT_EQ(rig.host.deviceId, "12A45C07");
        EXPECT_EQ(rig.host.messages, c.messages);
    }
}

TEST(BulkTransfer, DownloadAsksInOrderOfPositions) {
    Rig rig;
    BoxSimulator& box = rig.boxOn(Transport::Serial);
    rig.linkUp();
    std::vector<std::string> expected;
    for (int page = 0; page <= 25; ++page)
        expected.push_back("read page " + std::to_string(page) + " from 0");
    for (int k = 0; k < 16; ++k)
        expected.push_back("system name " + std::to_string(k));
    for (const char* info :
         {"read 1E01", "read 1E02", "read 1E03", "read 1E04", "read 1E05", "read 1E15"})
        expected.push_back(info);
    for (int k = 0; k < 16; ++k)
        expected.push_back("hint name " + std::to_string(k));
    for (const char* info : {"read 1E21", "read 1E22", "read 1E14"})
        expected.push_back(info);
    EXPECT_EQ(transferRequests(box), expected);
}

struct PageCase {
    Transport transport;
    int page;
    std::vector<std::string> download;
    std::vector<std::string> upload;
};

const PageCase PageCases[] = {
    {Transport::Usb,
     0,
     {"read page 0 from 0", "read page 0 from 25", "read page 0 from 50", "read page 0 from 75"},
     // The last chunk also carries slot 95, just past the page.
     {"upload page 0 from 0 x 25", "upload page 0 from 25 x 25", "upload page 0 from 50 x 25",
      "upload page 0 from 75 x 21"}},
    {Transport::Usb,
     1,
     {"read page 1 from 0", "read page 1 from 25", "read page 1 from 50"},
     {"upload page 1 from 0 x 25", "upload page 1 from 25 x 25", "upload page 1 from 50 x 25"}},
    {Transport::Serial, 0, {"read page 0 from 0"}, {"upload page 0 from 0 x 95"}},
};

TEST(BulkTransfer, UsbMovesPagesInChunksOf25Slots) {
    for (const PageCase& c : PageCases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " over "
                                        << (c.transport == Transport::Usb ? "USB" : "serial"));
        Rig rig;
        BoxSimulator& box = rig.boxOn(c.transport);
        rig.linkUp();
        const std::string page = "page " + std::to_string(c.page) + " ";
        EXPECT_EQ(startingWith(transferRequests(box), "read " + page), c.download);

        box.clearReceivedFrames();
        rig.engine.enterState(link_state::UploadAll);
        rig.runTransfer();
        EXPECT_EQ(startingWith(transferRequests(box), "upload " + page), c.upload);
    }
}

TEST(BulkTransfer, SerialUploadSendsAPageAsOneBlock) {
    Rig rig;
    BoxSimulator& box = rig.boxOn(Transport::Serial);
    rig.linkUp();
    box.clearReceivedFrames();
    rig.engine.enterState(link_state::UploadAll);
    ASSERT_FALSE(box.receivedFrames().empty());
    const Bytes& page0 = box.receivedFrames().front();
    EXPECT_EQ(page0[2], 196); // 95 values, page and first slot, plus 4
    EXPECT_EQ(page0.size(), 199u);
}

TEST(BulkTransfer, FullUploadWritesEveryPageThenReadsPage25) {
    for (const Transport transport : {Transport::Serial, Transport::Tcp, Transport::Usb}) {
        SCOPED_TRACE(static_cast<int>(transport));
        Rig rig;
        BoxSimulator& box = rig.boxOn(transport);
        rig.linkUp();
        // A preset file was loaded into the console.
        rig.store.setValue(PageMain, 5, 77);
        rig.store.setValue(PageHint, 3, 111);
        rig.store.setValue(PageVolume, 10, 9);
        box.clearReceivedFrames();
        rig.trace.clear();

        rig.engine.enterState(link_state::UploadAll);
        EXPECT_EQ(rig.host.status, "Download...");
        EXPECT_FALSE(rig.engine.online());
        rig.runTransfer();

        EXPECT_TRUE(rig.engine.online());
        const std::vector<std::string> requests = transferRequests(box);
        ASSERT_GE(requests.size(), 2u);
        EXPECT_EQ(requests.back(), "read page 25 from 0");
        EXPECT_EQ(requests[requests.size() - 2].rfind("upload page 25 from 0", 0), 0u);
        EXPECT_EQ(startingWith(requests, "read").size(), 1u);
        expectStoresAgree(rig.store, box.store());
    }
}

TEST(BulkTransfer, HintPagesMoveAloneAndShowProgressFrom88Percent) {
    for (const int state : {link_state::LoadingHintPages, link_state::UploadHintPages}) {
        SCOPED_TRACE(state);
        Rig rig;
        BoxSimulator& box = rig.boxOn(Transport::Serial);
        rig.linkUp();
        box.clearReceivedFrames();
        rig.host.percents.clear();

        rig.engine.enterState(state);
        rig.runTransfer();

        EXPECT_TRUE(rig.engine.online());
        if (state == link_state::LoadingHintPages)
            EXPECT_EQ(transferRequests(box),
                      (std::vector<std::string>{"read page 22 from 0", "read page 23 from 0",
                                                "read page 24 from 0"}));
        else
            EXPECT_EQ(transferRequests(box),
                      (std::vector<std::string>{"upload page 22 from 0 x 26",
                                                "upload page 23 from 0 x 26",
                                                "upload page 24 from 0 x 26"}));
        std::vector<int> shown = rig.host.percents;
        shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
        EXPECT_EQ(shown, (std::vector<int>{88, 92, 96, 100}));
    }
}

TEST(BulkTransfer, UploadsStartOnlyWhileOnline) {
    for (const int state : {link_state::UploadAll, link_state::UploadHintPages}) {
        Rig rig;
        BoxSimulator& box = rig.boxOn(Transport::Serial);
        rig.engine.enterState(state);
        EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Transfer)) << state;
        EXPECT_TRUE(box.receivedFrames().empty()) << state;
    }
}

std::vector<int> every(int period, int until) {
    std::vector<int> ticks;
    for (int t = period; t <= until; t += period)
        ticks.push_back(t);
    return ticks;
}

struct WaitCase {
    const char* name;
    Transport transport;
    std::size_t answered;  // requests answered before the box falls silent
    std::vector<int> sent; // ticks after the unanswered request at which it is sent again
    int failsAt;           // tick of the failure, 0 for none
};

constexpr int WaitHorizon = 200;

const WaitCase WaitCases[] = {
    {"serial, position 2: one resend after 11 + 21 ticks, failure 100 later",
     Transport::Serial,
     2,
     {32},
     132},
    {"TCP, position 2", Transport::Tcp, 2, {32}, 132},
    {"USB, position 2: no resend, failure at the same time", Transport::Usb, 7, {}, 132},
    {"serial, position 1: a resend every 11 ticks, without end", Transport::Serial, 1,
     every(11, WaitHorizon), 0},
    {"TCP, position 1", Transport::Tcp, 1, every(11, WaitHorizon), 0},
    {"USB, position 1: waits without end", Transport::Usb, 4, {}, 0},
};

TEST(BulkTransfer, SilenceIsMetWithWaitsResendsAndFailure) {
    for (const WaitCase& c : WaitCases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        BoxSimulator& box = rig.boxOn(c.transport);
        rig.searchUntilLinking();
        for (int t = 0; t < 100 && transferRequests(box).size() < c.answered; ++t) {
            rig.engine.transferTick();
            rig.pump();
        }
        ASSERT_EQ(transferRequests(box).size(), c.answered);
        box.faults().setSilent(true);
        rig.engine.transferTick(); // sends the request that goes unanswered
        const std::string unanswered = transferRequests(box).back();

        std::vector<int> sent;
        int failedAt = 0;
        for (int t = 1; t <= WaitHorizon; ++t) {
            const std::size_t before = box.receivedFrames().size();
            rig.engine.transferTick();
            if (box.receivedFrames().size() > before) {
                sent.push_back(t);
                EXPECT_EQ(transferRequests(box).back(), unanswered);
            }
            if (failedAt == 0 && !rig.host.prompts.empty())
                failedAt = t;
        }
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(failedAt, c.failsAt);
        if (c.failsAt != 0) {
            EXPECT_EQ(rig.host.prompts, std::vector<std::string>{"连接失败!/Off Line!"});
            EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Transfer));
        }
    }
}

TEST(BulkTransfer, TheClosingReadOfAnUploadIsNotRepeated) {
    Rig rig;
    BoxSimulator& box = rig.boxOn(Transport::Serial);
    rig.linkUp();
    rig.engine.enterState(link_state::UploadAll);
    for (int t = 0; t < 100 && transferRequests(box).back().rfind("upload page 25", 0) != 0; ++t) {
        rig.engine.transferTick();
        rig.pump();
    }
    box.faults().setSilent(true);
    box.clearReceivedFrames();
    for (int t = 0; t < 200; ++t)
        rig.engine.transferTick();
    EXPECT_EQ(Describe(box.receivedFrames()), std::vector<std::string>{"read page 25 from 0"});
    EXPECT_EQ(rig.host.prompts, std::vector<std::string>{"连接失败!/Off Line!"});
}

TEST(BulkTransfer, ProgressRoundsHalvesToEven) {
    struct Case {
        int step, end, percent;
    };
    const Case cases[] = {
        {0, 40, 0},   {1, 40, 2},    {3, 40, 8},   {25, 40, 62},
        {30, 40, 75}, {40, 40, 100}, {22, 25, 88}, {30, 29, 100}, // the final read of a full upload
    };
    ParameterStore store;
    struct NoSink : FrameSink {
        void sendValueFrame(ByteView) override {}
        void sendBlockFrame(ByteView) override {}
    } sink;
    BulkTransfer transfer(store, sink);
    for (const Case& c : cases) {
        transfer.setProgress(c.step, c.end);
        EXPECT_EQ(transfer.percent(), c.percent) << c.step << "/" << c.end;
    }
}

} // namespace
} // namespace kdsp
