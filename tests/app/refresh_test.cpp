#include "console_fixture.h"
#include "model/value_scales.h"

namespace kdsp::test {
namespace {

TEST_F(ConsoleTest, ARefreshShowsEveryValueAndSendsNothing) {
    store().setValue(PageMusic, 5, 204);  // high-pass frequency
    store().setValue(PageMusic, 12, 130); // band 1 gain
    store().setValue(PageMic1, 5, 10);    // limiter threshold
    store().setValue(PageMain, 0, 150);   // Main music level
    store().setValue(PageVolume, 1, 40);  // music volume
    store().setValue(PageMusic, 3, 9);    // pitch

    console.refreshView(ResetAllPages);

    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(get<StatusPane>("MusHPFREPane")->text(), "1000Hz");
    EXPECT_EQ(get<TrackBar>("MusHPFREBar")->position(), 204);
    EXPECT_EQ(get<Edit>("MusGainEdit1")->text(), "2.0dB");
    EXPECT_EQ(get<TrackBar>("MusEQGainBar1")->position(), 130);
    EXPECT_EQ(get<StatusPane>("MicRmsLevelPane")->text(), "-24dB");
    EXPECT_EQ(get<StatusPane>("MainMusLevelPane")->text(), "150%");
    EXPECT_EQ(get<StatusPane>("SysMusNormalVolPane")->text(), "40");
    EXPECT_EQ(get<StatusPane>("MusPitchPane")->text(), "2");
    // A bar already at its value still writes its read-out.
    EXPECT_EQ(get<StatusPane>("MicFBEPane")->text(), "0");
    EXPECT_EQ(console.lastEdit(), TagValue{});

    // The same bar moved by the user is stored and sent.
    get<TrackBar>("MusHPFREBar")->setValue(205);
    EXPECT_EQ(get<StatusPane>("MusHPFREPane")->text(), "1020Hz");
    EXPECT_TRUE(sink.contains(makeTag(0, 5), 205));
}

TEST_F(ConsoleTest, TwoStateButtonsEndInTheirStoredStateThroughTheirHandlers) {
    struct Case {
        const char* button;
        int page, slot, value;
        const char* hint;
    } cases[] = {
        {"RECLmuteBtn", PageRec, 10, 1, "1"},     {"RECLmuteBtn", PageRec, 10, 0, "0"},
        {"MainLmuteBtn", PageMain, 11, 1, "1"},   {"RECMusPhaseBtn", PageRec, 1, 1, "1"},
        {"EchoEffPhaseBtn", PageEcho, 1, 0, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        store().setValue(c.page, c.slot, c.value);
        console.refreshView(ResetAllPages);
        auto* button = get<BitmapButton>(c.button);
        EXPECT_EQ(button->hint(), c.hint);
        EXPECT_EQ(button->look(), c.value != 0 ? BitmapButton::Look::Down : BitmapButton::Look::Up);
    }
    EXPECT_TRUE(get<BitmapButton>("RECMusPhaseBtn")->text().isEmpty());
    EXPECT_TRUE(sink.sent.empty());

    get<BitmapButton>("RECLmuteBtn")->click();
    get<BitmapButton>("RECLmuteBtn")->click();
    ASSERT_EQ(sink.sent.size(), 2u);
    EXPECT_EQ(sink.sent[0], std::make_pair(makeTag(PageRec, 10), 1));
    EXPECT_EQ(sink.sent[1], std::make_pair(makeTag(PageRec, 10), 0));
}

TEST_F(ConsoleTest, RightDelayAndMuteShowTheRightPageOfTheOutput) {
    store().setValue(PageMusic, 86, 0); // sing
    store().setValue(10, 10, 123);
    store().setValue(10, 11, 1);
    store().setValue(14, 10, 45);
    clickTab("FormMAINTabBtn");
    EXPECT_EQ(get<StatusPane>("MainRdelayPane")->text(), "12.3ms");
    EXPECT_EQ(get<BitmapButton>("MainRmuteBtn")->hint(), "1");

    clickTab("FormSURTabBtn");
    EXPECT_EQ(get<StatusPane>("MainRdelayPane")->text(), "4.5ms");
    EXPECT_EQ(get<BitmapButton>("MainRmuteBtn")->hint(), "0");
    EXPECT_TRUE(sink.sent.empty());

    get<TrackBar>("MainRdelayBar")->setValue(50);
    EXPECT_TRUE(sink.contains(makeTag(14, 10), 50));
}

TEST_F(ConsoleTest, ValuesFromTheBoxAreBroughtIntoRange) {
    struct Case {
        const char* edit;
        Tag tag;
        int value;
        const char* text;
        int kept; // what the view and the store hold afterwards
    } cases[] = {
        {"MusFreEdit1", makeTag(0, 11), 400, "20200Hz", 360},
        {"AUXMUSBassMaxAddEdit", makeTag(21, 31), 400, "12.0dB", 180},
        {"AUXMICHighMaxDecEdit", makeTag(21, 42), 10, "-12.0dB", 60},
        {"MusQEdit1", makeTag(0, 13), 130, "128.00", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        console.model().viewValues().setValue(c.tag, c.value);
        console.showValue(get<Edit>(c.edit), ActionSet, true, c.value);
        EXPECT_EQ(get<Edit>(c.edit)->text(), c.text);
        EXPECT_EQ(console.model().viewValues().value(c.tag), c.kept);
        EXPECT_EQ(store().value(c.tag), c.kept);
    }
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(ConsoleTest, AutomaticModeGreysTheOutputSection) {
    store().setValue(PageMusic, 85, 0);
    clickTab("FormMAINTabBtn");
    EXPECT_FALSE(console.manualMode());
    for (const char* name :
         {"MainMusLevelBar", "MainLdelayBar", "MainRdelayBar", "AdvGroupBox6", "OutLimiteGroup",
          "OutLHPGroup", "AdvGroupBox21", "MainPanScrollBar", "MainLmuteBtn", "AutoModeBtn",
          "SingModeBtn", "CopyGrop", "EQPassGrop", "EQResetBtn"})
        EXPECT_FALSE(get(name)->isEnabled()) << name;
    EXPECT_TRUE(get("ManulModeBtn")->isEnabled());
    EXPECT_EQ(console.curveColour(), QColor(172, 172, 172));
    EXPECT_TRUE(sink.sent.empty());

    get<BitmapButton>("ManulModeBtn")->click();
    EXPECT_TRUE(sink.contains(makeTag(0, 85), 1));
    for (const char* name : {"MainMusLevelBar", "OutLimiteGroup", "CopyGrop", "EQResetBtn"})
        EXPECT_TRUE(get(name)->isEnabled()) << name;
    EXPECT_EQ(console.curveColour(), QColor(255, 102, 0));
}

TEST_F(ConsoleTest, EqPassIsOffOnTheAuxiliaryViewAndDisablesReset) {
    store().setValue(PageMusic, 9, 1);
    clickTab("FormMusTabBtn");
    EXPECT_TRUE(get("EQPassLabel")->isVisibleTo(&window));
    EXPECT_FALSE(get("EQResetBtn")->isEnabled());
    EXPECT_EQ(console.eqPassState(0), 1);

    clickTab("FormAUXTabBtn");
    EXPECT_EQ(get<BitmapButton>("MusEQAllpassBtn")->hint(), "0");
    EXPECT_FALSE(get("EQPassLabel")->isVisibleTo(&window));
    EXPECT_FALSE(get("EQPassGrop")->isVisibleTo(&window));
    EXPECT_TRUE(sink.sent.empty());
}

} // namespace
} // namespace kdsp::test
