// The input, volume and system page against the box: the input selector,
// the gain step, the volume bars with their rules and markers, the switch
// pairs, the device lock and its password change, and the access codes.
#include "app/editors/volume_markers.h"
#include "editor_rig.h"

namespace kdsp::test {
namespace {

using Frames = std::vector<std::string>;

class SystemPageTest : public EditorRig {
protected:
    void choose(const char* name, int index) {
        auto* list = get<ComboBox>(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    bool shown(const char* name) { return get(name)->isVisibleTo(&window); }
};

TEST_F(SystemPageTest, EachInputSourceShowsItsOwnGain) {
    box.store().setValue(PageMusic, 93, 12); // the Bluetooth gain, -4.0dB
    linkUp();
    ASSERT_EQ(get<ComboBox>("SysInputBox")->count(), 6) << "the box reports USB";

    choose("SysInputBox", 4);
    EXPECT_EQ(received(), Frames{"write 0058=4"});
    EXPECT_EQ(get<Edit>("MusGain1Edit")->text(), "-4.0dB");
    EXPECT_EQ(get<PlainLabel>("InputLabel")->text(), "蓝牙音量");
    EXPECT_EQ(get<PlainLabel>("InputLabel")->hint(), "BLUE Vol");

    // The gain edit now edits the Bluetooth slot.
    click("MusGain1Edit");
    get<Edit>("MusGain1Edit")->selectAll();
    type("MusGain1Edit", "2\r");
    EXPECT_EQ(received(), Frames{"write 005D=24"});

    choose("AUXGainBox", 2);
    EXPECT_EQ(received(), Frames{"write 1500=2"});
}

TEST(VolumeMarkerTest, MarkersSitAtRoundedPixelsAlongTheBar) {
    // round(position * 1.89 + 53), halves to even: 50 gives 147.5, so 148.
    const std::pair<int, int> cases[] = {{0, 53}, {1, 55}, {30, 110}, {50, 148}, {84, 212}};
    for (const auto& [position, left] : cases)
        EXPECT_EQ(VolumeMarkerLeft(position), left) << position;
}

TEST_F(SystemPageTest, VolumeBarsRiseOneStepAndKeepBelowTheirMaximum) {
    box.store().setValue(PageVolume, 1, 40); // music current volume
    box.store().setValue(PageVolume, 7, 50); // music start volume
    box.store().setValue(PageVolume, 4, 60); // music maximum
    linkUp();
    auto* current = get<TrackBar>("SysMusNormalVolBar");
    auto* start = get<TrackBar>("SysMusStartVolBar");
    auto* maximum = get<TrackBar>("SysMusMaxVolBar");

    // The user moves a bar (or presses Q, the music volume key); the box
    // gets the writes, and the bars stand at current / start / maximum.
    const struct {
        const char* action;
        TrackBar* bar; // nullptr: the Q key
        int position;
        Frames frames;
        std::array<int, 3> positions;
    } steps[] = {
        {"lowering the maximum below both",
         maximum,
         30,
         {"write 1907=30", "write 1901=30", "write 1904=30"},
         {30, 30, 30}},
        {"raising the maximum", maximum, 80, {"write 1904=80"}, {30, 30, 80}},
        {"dragging the current volume from 30 to 60", current, 60, {"write 1901=31"}, {31, 30, 80}},
        {"Q", nullptr, 0, {"write 1901=32"}, {32, 30, 80}},
        {"lowering the current volume any amount", current, 5, {"write 1901=5"}, {5, 30, 80}},
        {"raising the start volume above the maximum", start, 84, {"write 1907=80"}, {5, 80, 80}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.action);
        if (step.bar != nullptr)
            step.bar->setValue(step.position);
        else
            QTest::keyClick(window.windowHandle(), Qt::Key_Q);
        EXPECT_EQ(received(), step.frames);
        EXPECT_EQ((std::array{current->position(), start->position(), maximum->position()}),
                  step.positions);
    }
    EXPECT_EQ(get<StatusPane>("SysMusStartVolPane")->text(), "80");
    EXPECT_EQ(get<StyledLabel>("musLabel")->text(), "80");
    EXPECT_EQ(get("MusStartImage")->x(), VolumeMarkerLeft(80));
    EXPECT_EQ(get("MusMaxImage")->x(), VolumeMarkerLeft(80));
    EXPECT_TRUE(get("MusStartImage")->isVisibleTo(&window));
}

TEST_F(SystemPageTest, SwitchPairsSendTheirValueAndLinkTheChannelsWhenNotIndependent) {
    linkUp();
    const struct {
        const char* button;
        Frames frames;
    } cases[] = {
        {"SysVolRunBtn2", {"write 1909=1"}},
        {"SysPanelBtn2", {"write 1E04=1"}},
        // Music, Main and Surround are linked first.
        {"SysLRBtn2", {"write 0008=1", "write 0059=1", "write 005A=1", "write 1E03=1"}},
        {"SysLRBtn1", {"write 1E03=0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        clickButton(c.button);
        EXPECT_EQ(received(), c.frames);
        EXPECT_EQ(get<BitmapButton>(c.button)->look(), BitmapButton::Look::Down);
    }
    EXPECT_EQ(get<BitmapButton>("SysLRBtn2")->look(), BitmapButton::Look::Up);
}

TEST_F(SystemPageTest, ALockedBoxAsksForItsPasswordOncePerLink) {
    box.store().setValue(PageSystem, 4, 1);
    box.setDevicePassword("2468");
    linkUp();
    ASSERT_TRUE(shown("FirstCheckGrop"));
    for (const char* area : {"FormPageItem", "AdvPanel1", "AdvPageControl1"})
        EXPECT_FALSE(get(area)->isEnabled()) << area;
    EXPECT_EQ(window.pageArea()->currentIndex(), 0);
    clickTab("FormMAINTabBtn");
    EXPECT_EQ(window.pageArea()->currentIndex(), 0) << "no other page while locked";

    type("PanelPassWordEdit", "24ab");
    EXPECT_EQ(get<Edit>("PanelPassWordEdit")->text(), "24");

    const struct {
        const char* devicePassword;
        const char* typed;
        bool unlocks;
    } cases[] = {
        {"2468", "1234", false},
        {"24680", "24680", false}, // not a password the box can have
        {"", "", false},
        {"2468", "2468", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        link.texts().devicePassword = c.devicePassword;
        get<Edit>("PanelPassWordEdit")->setText(QString::fromLatin1(c.typed));
        clickButton("RzBmpButton4");
        EXPECT_EQ(shown("FirstCheckGrop"), !c.unlocks);
        EXPECT_TRUE(get<Edit>("PanelPassWordEdit")->text().isEmpty());
    }
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"解锁成功!"});
    for (const char* area : {"FormPageItem", "AdvPanel1", "AdvPageControl1"})
        EXPECT_TRUE(get(area)->isEnabled()) << area;

    // Shown once per link: a recall's reload does not lock again.
    console.refreshAfterDownload();
    EXPECT_FALSE(shown("FirstCheckGrop"));
    EXPECT_EQ(received(), Frames{});
}

TEST_F(SystemPageTest, SwitchingTheLockOnWhileLinkedLocksNothingBeforeTheNextLink) {
    linkUp();
    clickButton("SysPanelBtn2");
    EXPECT_EQ(received(), Frames{"write 1E04=1"});
    console.refreshAfterDownload(); // as after a recall or a file upload
    EXPECT_FALSE(shown("FirstCheckGrop"));
}

TEST_F(SystemPageTest, ThePasswordChangesOnlyAfterTheOldOne) {
    box.setDevicePassword("2468");
    linkUp();
    auto* newPassword = get<Edit>("NewPassLabel1");
    type("PassPanelLabel1", "1111");
    clickButton("RzBmpButton22");
    EXPECT_FALSE(newPassword->isEnabled());

    get<Edit>("PassPanelLabel1")->clear();
    type("PassPanelLabel1", "2468");
    clickButton("RzBmpButton22");
    ASSERT_TRUE(newPassword->isEnabled());
    EXPECT_TRUE(get<Edit>("PassPanelLabel1")->text().isEmpty());

    type("NewPassLabel1", "13x");
    clickButton("RzBmpButton23");
    EXPECT_EQ(received(), Frames{}) << "three digits are no password";
    type("NewPassLabel1", "57");
    clickButton("RzBmpButton23");
    EXPECT_EQ(received(), Frames{"write 1E05 +4 bytes"});
    EXPECT_EQ(box.devicePassword(), "1357");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"密码修改成功!"});
    EXPECT_FALSE(newPassword->isEnabled());
    EXPECT_TRUE(newPassword->text().isEmpty());
}

TEST_F(SystemPageTest, AccessCodesRevealTheHiddenPages) {
    linkUp();
    const auto enter = [this](const char* code) {
        auto* edit = get<Edit>("SysLogoEdit");
        edit->clear();
        type("SysLogoEdit", QString::fromLatin1(code));
        QTest::keyClick(edit, Qt::Key_Return);
    };
    const auto open = [this] {
        QTest::mouseDClick(get("LinkLabel"), Qt::LeftButton);
        EXPECT_TRUE(shown("SysLogoEdit"));
        EXPECT_TRUE(get<Edit>("SysLogoEdit")->text().isEmpty());
        EXPECT_FALSE(shown("FormHintTabBtn"));
    };

    open();
    enter("KESTREL5276");
    EXPECT_TRUE(shown("FormHintTabBtn"));
    EXPECT_EQ(window.pageArea()->currentIndex(), 4);
    EXPECT_FALSE(shown("SysLogoEdit"));
    EXPECT_TRUE(shown("HintMusBtn"));
    for (const char* subTab : {"HintMicABtn", "HintMicBBtn", "HintSysBtn"})
        EXPECT_FALSE(shown(subTab)) << subTab;

    open();
    enter("kestrel3185");
    EXPECT_FALSE(shown("SysLogoEdit"));
    for (const char* subTab : {"HintMicABtn", "HintMicBBtn", "HintSysBtn"})
        EXPECT_TRUE(shown(subTab)) << subTab;
    clickButton("HintSysBtn");
    EXPECT_TRUE(shown("HintModePage"));
    clickButton("HintMicABtn");
    EXPECT_FALSE(shown("HintModePage"));
    get<TrackBar>("HintEQGainBar1")->setValue(100);
    EXPECT_EQ(received(), Frames{"write 1703=100"}) << "the first microphone's hint page";

    open();
    enter("472915");
    EXPECT_TRUE(shown("HintAuxBtn"));
    EXPECT_EQ(window.pageArea()->currentIndex(), 6);
    EXPECT_EQ(get<PageControl>("AuxPageCtrol")->currentIndex(), 0);
    EXPECT_TRUE(shown("SysLogoEdit")) << "the box stays open";

    enter("KESTREL3185"); // letter case counts
    EXPECT_FALSE(shown("FormHintTabBtn"));
    EXPECT_TRUE(shown("HintAuxBtn"));
    EXPECT_TRUE(shown("SysLogoEdit"));
    EXPECT_EQ(received(), Frames{}) << "letters typed into the box are no volume keys";
}

} // namespace
} // namespace kdsp::test
