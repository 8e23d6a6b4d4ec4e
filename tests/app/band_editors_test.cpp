// The equaliser band editors as a user works them, against the box: each
// step is one user action, the frames the box must receive for it and the
// text the console must show afterwards. The steps run in order on one
// console, each starting where the one before left off.
#include "editor_rig.h"

#include <functional>

namespace kdsp::test {
namespace {

using Frames = std::vector<std::string>;

class BandEditorTest : public EditorRig {
protected:
    void SetUp() override {
        EditorRig::SetUp();
        // Different Q for the peaking and the shelving use of music band 1.
        box.store().setValue(PageMusic, 13, 16); // "1.00"
        box.store().setValue(PageMusic, 14, 20); // "1.26"
        linkUp();
    }

    // A choice in a combo box's list, as the user makes it.
    void choose(const char* name, int index) {
        auto* list = get<ComboBox>(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void replaceText(const char* name, const QString& text) {
        get<Edit>(name)->selectAll();
        type(name, text);
    }
};

struct Step {
    const char* action;
    std::function<void()> act;
    Frames frames;
    const char* edit; // shows `text` afterwards
    const char* text;
};

TEST_F(BandEditorTest, EveryWayOfEditingABandSendsOneWriteOfItsSlot) {
    // Music band 1: type slot 10 (000A), frequency 11 (000B), gain 12
    // (000C), Q 13 and 14. At the start it is PEQ at 20.5Hz (index 2), 6.0dB.
    const Step steps[] = {
        {"clicking the gain edit", [&] { click("MusGainEdit1"); }, {}, "MusGainEdit1", "6.0dB"},
        {"typing 3 and Enter",
         [&] {
             replaceText("MusGainEdit1", "3");
             key("MusGainEdit1", Qt::Key_Return);
         },
         {"write 000C=135"},
         "MusGainEdit1",
         "3.0dB"},
        {"typing letters into band 2's frequency",
         [&] {
             click("MusFreEdit2");
             type("MusFreEdit2", "abc");
         },
         {},
         "MusFreEdit2",
         "31.9Hz"},
        {"clearing it and leaving",
         [&] {
             replaceText("MusFreEdit2", "\b");
             leave();
         },
         {},
         "MusFreEdit2",
         "31.9Hz"},
        {"typing 2.95 and leaving",
         [&] {
             click("MusGainEdit1");
             replaceText("MusGainEdit1", "2.95");
             leave();
         },
         {"write 000C=135"},
         "MusGainEdit1",
         "3.0dB"},
        {"Up in the frequency edit raises the gain",
         [&] {
             click("MusFreEdit1");
             key("MusFreEdit1", Qt::Key_Up);
         },
         {"write 000C=136"},
         "MusGainEdit1",
         "3.2dB"},
        {"Right in the gain edit raises the frequency",
         [&] { key("MusGainEdit1", Qt::Key_Right); },
         {"write 000B=3"},
         "MusFreEdit1",
         "20.9Hz"},
        {"Left in the frequency edit lowers it",
         [&] { key("MusFreEdit1", Qt::Key_Left); },
         {"write 000B=2"},
         "MusFreEdit1",
         "20.5Hz"},
        {"Down in the frequency edit lowers the gain",
         [&] { key("MusFreEdit1", Qt::Key_Down); },
         {"write 000C=135"},
         "MusGainEdit1",
         "3.0dB"},
        {"the gain bar",
         [&] { get<TrackBar>("MusEQGainBar1")->setValue(100); },
         {"write 000C=100"},
         "MusGainEdit1",
         "-4.0dB"},
        {"the frequency spin button",
         [&] { emit get<SpinButtons>("MusFreUpDownBtn1")->upClicked(); },
         {"write 000B=3"},
         "MusFreEdit1",
         "20.9Hz"},
        {"LSEQ shows the shelf Q",
         [&] { choose("MusModeBox1", 2); },
         {"write 000A=2"},
         "MusQEdit1",
         "1.26"},
        {"PEQ again shows the peaking Q",
         [&] { choose("MusModeBox1", 1); },
         {"write 000A=1"},
         "MusQEdit1",
         "1.00"},
        {"the letter HS", [&] { click("MusHSQBtn1"); }, {"write 000A=3"}, "MusQEdit1", "1.26"},
        {"typing 5, then band 2's Q spin button",
         [&] {
             click("MusGainEdit1");
             replaceText("MusGainEdit1", "5");
             emit get<SpinButtons>("MusQUpDownBtn2")->upClicked();
         },
         {"write 000C=145", "write 0012=17"},
         "MusGainEdit1",
         "5.0dB"},
        {"clicking an edit and leaving it",
         [&] {
             click("MusGainEdit2");
             leave();
         },
         {},
         "MusGainEdit2",
         "0.0dB"},
        {"a refresh", [&] { console.refreshView(ResetAllPages); }, {}, "MusGainEdit1", "5.0dB"},
        {"three bar moves while the box has not answered",
         [&] {
             for (int gain : {110, 111, 112})
                 get<TrackBar>("MusEQGainBar1")->setValue(gain);
         },
         {"write 000C=110", "write 000C=112"},
         "MusGainEdit1",
         "-1.6dB"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.action);
        step.act();
        EXPECT_EQ(received(), step.frames);
        EXPECT_EQ(get<Edit>(step.edit)->text(), QString::fromUtf8(step.text));
    }
    EXPECT_EQ(get<ComboBox>("MusModeBox1")->itemIndex(), 3);
    EXPECT_TRUE(get<StyledLabel>("MusHSQBtn1")->highlighted());
    EXPECT_FALSE(get<StyledLabel>("MusPEQBtn1")->highlighted());
    EXPECT_EQ(boxStore().value(PageMusic, 12), 112);
}

TEST_F(BandEditorTest, TheArrowsKeepToTheirEditWhenABarWasMovedLast) {
    click("MusGainEdit1");
    get<TrackBar>("MainLdelayBar")->setValue(40);
    EXPECT_EQ(received(), Frames{"write 080A=40"});
    key("MusGainEdit1", Qt::Key_Up);
    EXPECT_EQ(received(), Frames{});
    EXPECT_EQ(get<Edit>("MusGainEdit1")->text(), "6.0dB");
}

TEST_F(BandEditorTest, ChoosingABandHighlightsItAndScrollsItsStripIntoView) {
    click("MusEQPointLabel12");
    EXPECT_EQ(console.activeEdit(), get<Edit>("MusFreEdit12"));
    EXPECT_TRUE(get<StyledLabel>("MusEQPointLabel12")->opaque());
    EXPECT_FALSE(get<StyledLabel>("MusEQPointLabel1")->opaque());
    EXPECT_EQ(get<Edit>("MusFreEdit12")->shade(), Edit::Shade::Active);
    // Nine bands show at a time: band 12 needs the strip moved by three.
    EXPECT_EQ(get<ScrollBar>("MusPanScrollBar")->value(), 3);

    click("MusGainEdit2");
    EXPECT_EQ(get<ScrollBar>("MusPanScrollBar")->value(), 1);
    EXPECT_EQ(get<Edit>("MusFreEdit12")->shade(), Edit::Shade::Previous);
    EXPECT_EQ(received(), Frames{});
}

TEST_F(BandEditorTest, EqPassDisablesEqResetAndResetTellsTheBox) {
    auto* reset = get<BitmapButton>("EQResetBtn");
    clickButton("MusEQAllpassBtn");
    EXPECT_EQ(received(), Frames{"write 0009=1"});
    EXPECT_TRUE(get("EQPassLabel")->isVisibleTo(&window));
    EXPECT_FALSE(reset->isEnabled());

    clickButton("MusEQAllpassBtn");
    EXPECT_EQ(received(), Frames{"write 0009=0"});
    EXPECT_FALSE(get("EQPassLabel")->isVisibleTo(&window));
    ASSERT_TRUE(reset->isEnabled());

    clickButton("EQResetBtn");
    EXPECT_EQ(received().size(), 1u) << "one write tells the box to reset its bands";
    EXPECT_EQ(get<Edit>("MusGainEdit1")->text(), "0.0dB");
    EXPECT_EQ(store().value(PageMusic, 12), 120);
}

} // namespace
} // namespace kdsp::test
