#include "console_fixture.h"

namespace kdsp::test {
namespace {

TEST_F(ConsoleTest, OutputViewsRelabelTheSharedPanel) {
    struct Case {
        const char* tab;
        const char* limiter;
        const char* leftMute;
        const char* leftDelay;
        const char* englishDelay;
        bool linkGroup;
        bool rightChannel;
    } cases[] = {
        {"FormMAINTabBtn", "主输出压限", "左静音", "左声道延时", "Left Delay", true, true},
        {"FormSURTabBtn", "环绕压限", "左静音", "左声道延时", "Left Delay", true, true},
        {"FormCENTabBtn", "中置压限", "中置静音", "中置延时", "Center Delay", false, false},
        {"FormSUBTabBtn", "超低压限", "超低静音", "超低延时", "SUB Delay", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        clickTab(c.tab);
        EXPECT_EQ(window.pageArea()->currentIndex(), 3);
        EXPECT_EQ(get<GroupBox>("OutLimiteGroup")->caption(), QString::fromUtf8(c.limiter));
        EXPECT_EQ(get<BitmapButton>("MainLmuteBtn")->caption(), QString::fromUtf8(c.leftMute));
        EXPECT_EQ(get<PlainLabel>("OutLDelayLabel")->caption(), QString::fromUtf8(c.leftDelay));
        EXPECT_EQ(get<PlainLabel>("OutLDelayLabel")->hint(), QString::fromUtf8(c.englishDelay));
        EXPECT_EQ(get("CopyGrop")->isVisibleTo(&window), c.linkGroup);
        EXPECT_TRUE(get("SingleDiscoGrop")->isVisibleTo(&window));
        for (const char* right : {"MainRmuteBtn", "Label157", "MainRdelayBar", "MainRdelayPane"})
            EXPECT_EQ(get(right)->isVisibleTo(&window), c.rightChannel) << right;
    }
    get<ToolButton>("RzToolButton11")->click();
    EXPECT_EQ(get<PlainLabel>("OutLDelayLabel")->caption(), "SUB Delay");
    EXPECT_EQ(get<GroupBox>("OutLHPGroup")->caption(), "SUB LHF");
    EXPECT_EQ(get<BitmapButton>("MainLmuteBtn")->caption(), "SUB Mute");
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(ConsoleTest, LeavingTheMusicLinkCopiesTheLeftChannel) {
    store().setValue(PageMusic, 8, 1);
    store().setValue(PageMusic, 22, 150); // left band 3 gain
    clickTab("FormMusTabBtn");
    EXPECT_EQ(selection().MusicLinkState, 1);
    EXPECT_EQ(get<BitmapButton>("SameBtn")->look(), BitmapButton::Look::Down);

    get<BitmapButton>("RightBtn")->click();
    EXPECT_EQ(store().value(PageMusicRight, 12), 150);
    ASSERT_EQ(sink.sent.size(), 1u);
    EXPECT_EQ(sink.sent[0], std::make_pair(makeTag(0, 8), 0));
    EXPECT_EQ(selection().CurrentMusicPage, PageMusicRight);
    EXPECT_EQ(get<Edit>("MusGainEdit3")->text(), "6.0dB");

    // The right channel edited on its own, then linked again.
    store().setValue(PageMusicRight, 12, 100);
    store().setValue(PageMusic, 22, 140);
    get<BitmapButton>("SameBtn")->click();
    EXPECT_EQ(selection().CurrentMusicPage, PageMusic);
    EXPECT_TRUE(sink.contains(makeTag(0, 8), 1));
    EXPECT_EQ(store().value(PageMusicRight, 12), 140);
    EXPECT_EQ(get<Edit>("MusGainEdit3")->text(), "4.0dB");
}

TEST_F(ConsoleTest, LinkedMicrophonesAreEditedOnTheFirstPage) {
    store().setValue(PageMic1, 13, 1);
    console.refreshView(ResetAllPages);
    clickTab("FormMICBTabBtn");
    EXPECT_EQ(selection().CurrentMicPage, PageMic1);

    get<BitmapButton>("RightBtn")->click();
    EXPECT_EQ(selection().CurrentMicPage, PageMic2);
    EXPECT_TRUE(get<ToolButton>("FormMICBTabBtn")->selectedLook());
    EXPECT_TRUE(sink.contains(makeTag(3, 13), 0));
}

TEST_F(ConsoleTest, DiscoRightMainStandsForPageEleven) {
    store().setValue(PageMusic, 86, 1);
    clickTab("FormMAINTabBtn");
    get<BitmapButton>("RightBtn")->click();
    EXPECT_EQ(selection().CurrentOutputPage, 11);
    EXPECT_TRUE(sink.contains(makeTag(0, 89), 0));
}

TEST_F(ConsoleTest, WithoutIndependentChannelsOnlyTheMicrophonesSplit) {
    get<BitmapButton>("SysLRBtn2")->click();
    for (int slot : {8, 89, 90})
        EXPECT_TRUE(sink.contains(makeTag(0, slot), 1)) << slot;
    EXPECT_EQ(sink.sent.back(), std::make_pair(makeTag(PageSystem, 3), 1));

    sink.sent.clear();
    console.refreshView(ResetAllPages);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(get<BitmapButton>("SysLRBtn2")->look(), BitmapButton::Look::Down);

    for (const char* tab : {"FormMusTabBtn", "FormMAINTabBtn", "FormSURTabBtn"}) {
        clickTab(tab);
        EXPECT_FALSE(get("CopyGrop")->isVisibleTo(&window)) << tab;
    }
    clickTab("FormMICATabBtn");
    EXPECT_TRUE(get("CopyGrop")->isVisibleTo(&window));
}

TEST_F(ConsoleTest, TabsAreRefusedWhileTheUnlockPanelShows) {
    get("FirstCheckGrop")->show();
    auto* main = get<ToolButton>("FormMAINTabBtn");
    main->click();
    EXPECT_EQ(window.pageArea()->currentIndex(), 0);
    EXPECT_FALSE(main->selectedLook());
    EXPECT_EQ(console.currentViewType(), 0);

    get("FirstCheckGrop")->hide();
    main->click();
    EXPECT_EQ(window.pageArea()->currentIndex(), 3);
    EXPECT_TRUE(main->selectedLook());
    EXPECT_FALSE(get<ToolButton>("FormMusTabBtn")->selectedLook());
}

TEST_F(ConsoleTest, TheEffectTabRemembersItsSubTab) {
    clickTab("FormEFFTabBtn");
    EXPECT_EQ(console.currentView(), makeTag(PageEcho, 2));
    get<ToolButton>("RvbToolButton")->click();
    clickTab("FormMusTabBtn");
    clickTab("FormEFFTabBtn");
    EXPECT_EQ(console.currentView(), makeTag(PageReverb, 2));
    EXPECT_EQ(get<PageControl>("EffPageControl")->currentIndex(), 1);
    EXPECT_TRUE(get<ToolButton>("RvbToolButton")->selectedLook());

    get<ToolButton>("EchoBToolButton")->click();
    EXPECT_EQ(selection().CurrentEffectPage, PageEcho2);
    get<TrackBar>("EchoTimeBar")->setValue(20);
    EXPECT_TRUE(sink.contains(makeTag(PageEcho2, 5), 20));
}

TEST_F(ConsoleTest, TheDynamicEqualiserHasNoEqPass) {
    clickTab("FormDYNBtn");
    EXPECT_EQ(window.pageArea()->currentIndex(), 8);
    EXPECT_FALSE(get("MusEQAllpassBtn")->isVisibleTo(&window));
    EXPECT_FALSE(get("CopyGrop")->isVisibleTo(&window));

    get<BitmapButton>("DEQTYpeBelowBtn1")->click();
    EXPECT_EQ(get<BitmapButton>("DEQTYpeBelowBtn1")->look(), BitmapButton::Look::Down);
    EXPECT_EQ(get<BitmapButton>("DEQTYpeOffBtn1")->look(), BitmapButton::Look::Up);
    ASSERT_EQ(sink.sent.size(), 1u);
    EXPECT_EQ(sink.sent[0], std::make_pair(makeTag(PageDeq, 1), 1));

    clickTab("FormRECTabBtn");
    EXPECT_TRUE(get("MusEQAllpassBtn")->isVisibleTo(&window));
}

} // namespace
} // namespace kdsp::test
