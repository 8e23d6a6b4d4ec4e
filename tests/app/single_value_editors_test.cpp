// The single-value editors against the box: bars with their read-outs,
// crossover types, phase and mute buttons, the dynamic equaliser's work
// type, and the automatic/manual and sing/disco switches.
#include "editor_rig.h"

#include <QSignalSpy>

namespace kdsp::test {
namespace {

using Frames = std::vector<std::string>;

class SingleValueEditorTest : public EditorRig {
protected:
    void SetUp() override {
        EditorRig::SetUp();
        linkUp();
    }
};

TEST_F(SingleValueEditorTest, ABarSendsItsPositionAndShowsItInItsReadout) {
    const struct {
        const char* bar;
        int position;
        const char* frame;
        const char* pane;
        const char* text;
    } cases[] = {
        {"MusHPFREBar", 204, "write 0005=204", "MusHPFREPane", "1000Hz"},
        {"MusPitchBar", 9, "write 0003=9", "MusPitchPane", "2"},
        {"MicRmsLevelBar", 10, "write 0305=10", "MicRmsLevelPane", "-24dB"},
        {"EchoTimeBar", 250, "write 0505=250", "EchoTimePane", "500ms"},
        {"RvbTimeBar", 80, "write 0705=80", "RvbTimePane", "5000ms"},
        // The sing Main page, 8, is what the output panel stands for.
        {"MainLdelayBar", 123, "write 080A=123", "MainLdelayPane", "12.3ms"},
        {"MainMusLevelBar", 150, "write 0800=150", "MainMusLevelPane", "150%"},
        {"RECMusLevelBar", 150, "write 1400=150", "RECMusLevelPane", "150%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bar);
        get<TrackBar>(c.bar)->setValue(c.position);
        EXPECT_EQ(received(), Frames{c.frame});
        EXPECT_EQ(get<StatusPane>(c.pane)->text(), QString::fromUtf8(c.text));
    }

    // The same value reported by the box moves the bar and sends nothing.
    console.showStoredValue(makeTag(PageMusic, 3), 4);
    EXPECT_EQ(get<TrackBar>("MusPitchBar")->position(), 4);
    EXPECT_EQ(received(), Frames{});
}

TEST_F(SingleValueEditorTest, ButtonsAndTypeBoxesSendTheirValue) {
    QSignalSpy redraws(&console, &Console::redrawRequested);
    const auto choose = [this](const char* name, int index) {
        auto* list = get<ComboBox>(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    choose("MicHPTypeBox", 0);
    EXPECT_EQ(received(), Frames{"write 0309=0"}) << "Bypass is item 0";
    EXPECT_EQ(redraws.count(), 1);

    clickButton("MainLmuteBtn");
    clickButton("MainLmuteBtn");
    EXPECT_EQ(received(), (Frames{"write 080B=1", "write 080B=0"}));

    clickButton("RECMusPhaseBtn");
    EXPECT_EQ(received(), Frames{"write 1401=1"});
    EXPECT_TRUE(get<BitmapButton>("RECMusPhaseBtn")->text().isEmpty());

    clickTab("FormDYNBtn");
    clickButton("DEQTYpeBelowBtn1");
    EXPECT_EQ(received(), Frames{"write 0201=1"});
    EXPECT_EQ(get<BitmapButton>("DEQTYpeBelowBtn1")->look(), BitmapButton::Look::Down);
    EXPECT_EQ(get<BitmapButton>("DEQTYpeOffBtn1")->look(), BitmapButton::Look::Up);
    EXPECT_EQ(get<BitmapButton>("DEQTYpeAboveBtn1")->look(), BitmapButton::Look::Up);
}

TEST_F(SingleValueEditorTest, AutomaticModeGreysTheMainOutputUntilManualAgain) {
    clickTab("FormMAINTabBtn");
    clickButton("AutoModeBtn");
    EXPECT_EQ(received(), Frames{"write 0055=0"});
    EXPECT_FALSE(get("MainMusLevelBar")->isEnabled());
    EXPECT_FALSE(get("MainLmuteBtn")->isEnabled());
    EXPECT_FALSE(get("EQResetBtn")->isEnabled());
    EXPECT_EQ(console.curveColour(), QColor(172, 172, 172));

    clickButton("ManulModeBtn");
    EXPECT_EQ(received(), Frames{"write 0055=1"});
    EXPECT_TRUE(get("MainMusLevelBar")->isEnabled());
    EXPECT_TRUE(get("EQResetBtn")->isEnabled());
    EXPECT_EQ(console.curveColour(), QColor(255, 102, 0));

    // Disco shows and edits the disco Main page.
    clickButton("DiscoModeBtn");
    EXPECT_EQ(received(), Frames{"write 0056=1"});
    get<TrackBar>("MainMusLevelBar")->setValue(77);
    EXPECT_EQ(received(), Frames{"write 0900=77"});
}

} // namespace
} // namespace kdsp::test
