#include "engine_rig.h"
#include "link/link_state_texts.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace kdsp {
namespace {

using test::Describe;
using test::Rig;

constexpr Tag A = makeTag(PageMusic, 12);
constexpr Tag B = makeTag(PageMain, 30);
constexpr Tag C = makeTag(PageMic1, 7);

TEST(WriteQueue, CollapsesOnlyTheNewestEntry) {
    struct Case {
        const char* name;
        std::vector<QueuedWrite> puts;
        std::vector<QueuedWrite> takes;
    };
    const Case cases[] = {
        {"one parameter changed again and again", {{A, 1}, {A, 2}, {A, 3}}, {{A, 3}}},
        {"A, B, A stays three writes", {{A, 1}, {B, 2}, {A, 3}}, {{A, 1}, {B, 2}, {A, 3}}},
        {"repeats of the newest behind an older one", {{A, 1}, {B, 2}, {B, 3}}, {{A, 1}, {B, 3}}},
    };
    for (const Case& c : cases) {
        WriteQueue queue;
        for (const QueuedWrite& w : c.puts)
            queue.put(w.tag, w.value);
        std::vector<QueuedWrite> taken;
        while (!queue.empty())
            taken.push_back(queue.take());
        EXPECT_EQ(taken, c.takes) << c.name;
    }
}

TEST(WriteQueue, AFullQueueKeepsItsOldest499AndReplacesTheNewest) {
    // Also after the indices have gone round the ring.
    for (const int turned : {0, 350, 499}) {
        SCOPED_TRACE(turned);
        WriteQueue queue;
        for (int i = 0; i < turned; ++i) {
            queue.put(C, i);
            queue.take();
        }
        for (Tag tag = 1; tag <= 499; ++tag)
            queue.put(tag, tag);
        ASSERT_EQ(queue.size(), 499u);
        queue.put(1000, 7);
        ASSERT_EQ(queue.size(), 499u);
        for (Tag tag = 1; tag <= 498; ++tag)
            ASSERT_EQ(queue.take(), (QueuedWrite{tag, tag}));
        EXPECT_EQ(queue.take(), (QueuedWrite{1000, 7}));
        EXPECT_TRUE(queue.empty());
    }
}

// Online over serial, with nothing outstanding.
struct OnlineRig : Rig {
    BoxSimulator& box = boxOn(Transport::Serial);
    OnlineRig() {
        linkUp();
        EXPECT_TRUE(engine.online());
        box.clearReceivedFrames();
    }

    // "tick: frame" for every frame the box received during `count` more
    // pacing ticks, counted from the first tick after the link came up.
    std::vector<std::string> pacingTrace(int count) {
        std::vector<std::string> seen;
        for (int i = 0; i < count; ++i) {
            const std::size_t before = box.receivedFrames().size();
            engine.pacingTick();
            pump();
            ++ticked;
            for (std::size_t f = before; f < box.receivedFrames().size(); ++f)
                seen.push_back(std::to_string(ticked) + ": " + Describe(box.receivedFrames()[f]));
            if (firstPromptAt == 0 && !host.prompts.empty())
                firstPromptAt = ticked;
        }
        return seen;
    }

    int ticked = 0;
    int firstPromptAt = 0;
};

TEST(WritePacing, ChangesWaitForTheBoxAndCollapse) {
    struct Case {
        const char* name;
        std::vector<QueuedWrite> edits; // the first goes out at once and stays unanswered
        std::vector<std::string> sent;  // then, one per pacing tick
    };
    const Case cases[] = {
        {"one slider moved quickly sends only its last value",
         {{A, 1}, {A, 2}, {A, 3}, {A, 4}},
         {"0: write 000C=1", "1: write 000C=4"}},
        {"A, B, A while a write is outstanding makes three writes",
         {{C, 9}, {A, 1}, {B, 2}, {A, 3}},
         {"0: write 0307=9", "1: write 000C=1", "2: write 081E=2", "3: write 000C=3"}},
        {"a recall while a write is outstanding goes out as a plain write",
         {{A, 1}, {command::SystemModeRecall, 3}},
         {"0: write 000C=1", "1: write 1E02=3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OnlineRig rig;
        for (const QueuedWrite& edit : c.edits)
            rig.engine.sendParameter(edit.tag, edit.value);
        std::vector<std::string> sent;
        for (const Bytes& frame : rig.box.receivedFrames())
            sent.push_back("0: " + Describe(frame));
        rig.pump(); // the box answers the first write
        for (const std::string& line : rig.pacingTrace(10))
            sent.push_back(line);
        EXPECT_EQ(sent, c.sent);
        // No reload follows a queued recall.
        EXPECT_TRUE(rig.engine.online());
        EXPECT_EQ(rig.engine.followUp(), 0);
        EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Transfer));
        EXPECT_EQ(rig.host.status, "Online");
    }
}

TEST(WritePacing, ChangesMadeOffLineOrWhileSuppressedAreNeverSent) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> before, after;
    };
    const Case cases[] = {
        {"off line: the store changes, the box never hears of it", [](Rig&) {},
         [](Rig& rig) { rig.linkUp(); }},
        {"during a refresh",
         [](Rig& rig) {
             rig.linkUp();
             rig.engine.setSendingSuppressed(true);
         },
         [](Rig& rig) { rig.engine.setSendingSuppressed(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        BoxSimulator& box = rig.boxOn(Transport::Serial);
        c.before(rig);
        rig.engine.sendParameter(A, 42);
        c.after(rig);
        rig.pacingTicks(20);
        for (const std::string& frame : Describe(box.receivedFrames()))
            EXPECT_NE(frame, "write 000C=42");
    }
}

struct KeepAliveCase {
    const char* name;
    std::function<void(OnlineRig&)> setup;
    int ticks;
    std::vector<std::string> sent;
    int lostAt; // 0: still linked
};

const KeepAliveCase KeepAliveCases[] = {
    {"an answering box is polled once a second",
     [](OnlineRig&) {},
     300,
     {"50: poll", "100: poll", "150: poll", "200: poll", "250: poll", "300: poll"},
     0},
    {"a silent box: polls at seconds 0, 2 and 4, lost at 5",
     [](OnlineRig& rig) { rig.box.faults().setSilent(true); },
     300,
     {"50: poll", "150: poll", "250: poll"},
     300},
    {"a lost write blocks the queue and the polls until the link is lost",
     [](OnlineRig& rig) {
         rig.box.faults().dropReply(1);
         rig.engine.sendParameter(A, 1);
         rig.engine.sendParameter(B, 2);
         rig.box.clearReceivedFrames();
     },
     300,
     {},
     250},
    {"waiting for a follow-up: no polls, lost after 51 seconds",
     [](OnlineRig& rig) {
         rig.box.faults().setSilent(true);
         rig.engine.sendParameter(command::SystemModeRecall, 3);
         rig.box.clearReceivedFrames();
     },
     2600,
     {},
     2550},
};

TEST(WritePacing, KeepAlivePollsEverySecondAndGivesUpAfterFive) {
    for (const KeepAliveCase& c : KeepAliveCases) {
        SCOPED_TRACE(c.name);
        OnlineRig rig;
        c.setup(rig);
        const std::vector<std::string> sent = rig.pacingTrace(c.ticks);
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(rig.firstPromptAt, c.lostAt);
        if (c.lostAt != 0) {
            EXPECT_EQ(rig.host.prompts, std::vector<std::string>{"已断开连接!/Off Line!"});
            EXPECT_FALSE(rig.engine.online());
            EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Pacing));
            EXPECT_EQ(rig.host.status, "Off Line");
            EXPECT_EQ(rig.host.colour, OffLineColour);
            EXPECT_EQ(rig.host.buttons, LinkButtonLook::Disconnected);
        }
    }
}

TEST(WritePacing, AStatusReplyShowsANewPitchOnce) {
    OnlineRig rig;
    rig.box.setStatusByte(9);
    rig.pacingTrace(100); // two polls, the same pitch twice
    EXPECT_EQ(rig.store.value(PageMusic, 3), 9);
    EXPECT_EQ(rig.host.shownValues, (std::vector<std::pair<Tag, std::int32_t>>{{3, 9}}));
}

std::string storeText(int index, std::string_view name) {
    std::string text{static_cast<char>(index), '\0'};
    return text + std::string(name);
}

struct FollowUpCase {
    const char* name;
    std::function<void(LinkEngine&)> command;
    std::string waitingStatus;
    std::size_t reloadRequests;
    std::optional<ModeList> rebuilt;
    std::vector<std::string> prompts;
    std::function<void(const OnlineRig&)> check;
};

const FollowUpCase FollowUpCases[] = {
    {"a system mode recall reloads everything",
     [](LinkEngine& e) { e.sendParameter(command::SystemModeRecall, 3); },
     "Loading...",
     67,
     std::nullopt,
     {},
     [](const OnlineRig& rig) {
         EXPECT_EQ(rig.store.value(PageMusic, 12), 123);
         EXPECT_EQ(rig.store.value(PageSystem, 2), 3);
     }},
    {"a hint mode recall reloads the hint pages",
     [](LinkEngine& e) { e.sendParameter(command::HintModeRecall, 2); },
     "Loading...",
     3,
     std::nullopt,
     {},
     [](const OnlineRig& rig) { EXPECT_EQ(rig.store.value(PageHint, 3), 102); }},
    {"a system mode store reports success",
     [](LinkEngine& e) {
         e.sendTextCommand(command::SystemModeStore, storeText(4, "Party"));
         e.armFollowUp(link_state::SystemModeStored);
         e.showStatus("保存中...", "Saving...");
         e.awaitAcknowledgement();
     },
     "Saving...",
     0,
     ModeList::System,
     {"保存成功!/Save Success!"},
     [](const OnlineRig& rig) { EXPECT_EQ(rig.box.modes().name(ModeList::System, 4), "Party"); }},
    {"a hint mode store reports success",
     [](LinkEngine& e) {
         e.sendTextCommand(command::HintModeStore, storeText(1, "Duet"));
         e.armFollowUp(link_state::HintModeStored);
         e.showStatus("保存中...", "Saving...");
         e.awaitAcknowledgement();
     },
     "Saving...",
     0,
     ModeList::Hint,
     {"保存成功!/Save Success!"},
     [](const OnlineRig& rig) { EXPECT_EQ(rig.box.modes().name(ModeList::Hint, 1), "Duet"); }},
    {"a password change is confirmed",
     [](LinkEngine& e) {
         e.sendTextCommand(command::DevicePassword, "1357");
         e.armFollowUp(link_state::PasswordChanged);
     },
     "Online",
     0,
     std::nullopt,
     {"密码修改成功!/Password is changed!"},
     [](const OnlineRig& rig) { EXPECT_EQ(rig.box.devicePassword(), "1357"); }},
};

TEST(WritePacing, FollowUpsRunOnceTheBoxAcknowledges) {
    for (const FollowUpCase& c : FollowUpCases) {
        SCOPED_TRACE(c.name);
        OnlineRig rig;
        c.command(rig.engine);
        EXPECT_EQ(rig.host.status, c.waitingStatus);
        rig.box.clearReceivedFrames();
        rig.pump();

        rig.pacingTicks(1);
        rig.runTransfer();

        EXPECT_TRUE(rig.engine.online());
        EXPECT_EQ(rig.host.status, "Online");
        EXPECT_EQ(rig.engine.followUp(), 0);
        EXPECT_EQ(rig.box.receivedFrames().size(), c.reloadRequests);
        EXPECT_EQ(rig.host.rebuiltLists,
                  c.rebuilt ? std::vector<ModeList>{*c.rebuilt} : std::vector<ModeList>{});
        EXPECT_EQ(rig.host.prompts, c.prompts);
        c.check(rig);
    }
}

} // namespace
} // namespace kdsp
