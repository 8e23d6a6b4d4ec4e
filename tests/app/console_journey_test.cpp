// One user's session with the demo console and its box on loopback: band
// edits by typing, arrow keys and bar; a band type and back; an output
// muted and sounding again; a system mode recalled and another stored; a
// preset saved, values changed, and the preset loaded back into the box.
#include "app/console/console.h"
#include "app/console_app.h"
#include "app/window/main_window.h"
#include "editor_rig.h"
#include "presets/preset_file_io.h"
#include "sim/qt/sim_server.h"

#include <QTemporaryDir>

namespace kdsp::test {
namespace {

TEST(ConsoleJourney, AUserEditsRecallsStoresSavesAndLoads) {
    QTemporaryDir presets;
    ScriptedPrompter prompter;
    AppOptions options;
    options.demo = true;
    options.language = 0; // English
    ConsoleSeams seams;
    seams.prompter = &prompter;
    seams.presetBase = PathFromUtf8(presets.path().toStdString());
    ConsoleApp app(options, std::move(seams));
    ASSERT_NE(app.demoBox(), nullptr);
    BoxSimulator& box = app.demoBox()->box();
    // System mode 3 holds the pitch 7 and is called "KTV".
    const int livePitch = box.store().value(PageMusic, 3);
    box.store().setValue(PageMusic, 3, 7);
    box.modes().store(ModeList::System, 2, box.store(), "KTV");
    box.store().setValue(PageMusic, 3, livePitch == 7 ? 6 : livePitch);

    MainWindow& window = app.window();
    app.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(pumpUntil([&] { return app.engine().online(); }, 60000)) << "no link";

    const auto control = [&window](const char* name) {
        return window.control<QWidget>(QString::fromLatin1(name));
    };
    const auto edit = [&window](const char* name) {
        return window.control<Edit>(QString::fromLatin1(name));
    };
    const auto boxHas = [&box](int page, int slot, int value) {
        return pumpUntil([&] { return box.store().value(page, slot) == value; });
    };
    const auto choose = [&window](const char* name, int index) {
        auto* list = window.control<ComboBox>(QString::fromLatin1(name));
        list->setCurrentIndex(index);
        emit list->activated(index);
    };

    // Band 1 of the music page: gain slot 12, frequency 11, type 10.
    QTest::mouseClick(control("MusGainEdit1"), Qt::LeftButton);
    edit("MusGainEdit1")->selectAll();
    QTest::keyClicks(control("MusGainEdit1"), "3");
    QTest::keyClick(control("MusGainEdit1"), Qt::Key_Return);
    EXPECT_TRUE(boxHas(PageMusic, 12, 135)) << "typed";
    EXPECT_EQ(edit("MusGainEdit1")->text(), "3.0dB");

    QTest::mouseClick(control("MusFreEdit1"), Qt::LeftButton);
    const int frequency = box.store().value(PageMusic, 11);
    QTest::keyClick(control("MusFreEdit1"), Qt::Key_Up);
    EXPECT_TRUE(boxHas(PageMusic, 12, 136)) << "Up in the frequency edit";
    QTest::keyClick(control("MusGainEdit1"), Qt::Key_Right);
    EXPECT_TRUE(boxHas(PageMusic, 11, frequency + 1)) << "Right in the gain edit";

    window.control<TrackBar>("MusEQGainBar1")->setValue(100);
    EXPECT_TRUE(boxHas(PageMusic, 12, 100)) << "the bar";
    EXPECT_EQ(edit("MusGainEdit1")->text(), "-4.0dB");

    choose("MusModeBox1", 2);
    EXPECT_TRUE(boxHas(PageMusic, 10, 2)) << "LSEQ";
    choose("MusModeBox1", 1);
    EXPECT_TRUE(boxHas(PageMusic, 10, 1)) << "PEQ again";

    // Main left, sing: page 8 slot 11.
    window.control<ToolButton>("FormMAINTabBtn")->click();
    const int outputPage = app.console().model().selection().CurrentOutputPage;
    window.control<BitmapButton>("MainLmuteBtn")->click();
    EXPECT_TRUE(boxHas(outputPage, 11, 1)) << "muted";
    window.control<BitmapButton>("MainLmuteBtn")->click();
    EXPECT_TRUE(boxHas(outputPage, 11, 0)) << "sounding";

    choose("SysModeBox", 2);
    window.control<BitmapButton>("SysLoadModeBtn")->click();
    EXPECT_EQ(prompter.questions.back(), "Confirm|Load Mode to3-KTV?");
    // The box reloads the whole console after a recall: a full download.
    ASSERT_TRUE(pumpUntil(
        [&] {
            return app.engine().online() &&
                   window.control<TrackBar>("MusPitchBar")->position() == 7;
        },
        60000))
        << "the recalled mode on screen";
    EXPECT_EQ(window.control<ComboBox>("SysModeBox")->itemIndex(), 2);

    choose("SysModeBox", 4);
    edit("PresetModeEdit")->setText("Duet");
    window.control<BitmapButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(prompter.questions.back(), "Confirm|Save Mode to 5-Duet?");
    EXPECT_TRUE(pumpUntil([&] { return !prompter.messages.empty(); }));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Save Success!"});
    EXPECT_EQ(window.control<ComboBox>("SysModeBox")->itemText(4), "5-Duet");
    EXPECT_EQ(window.control<ComboBox>("SysModeBox")->itemIndex(), 4);
    EXPECT_EQ(box.modes().name(ModeList::System, 4), "Duet");
    ASSERT_TRUE(pumpUntil([&] { return app.engine().online(); }));

    edit("FileEdit")->setText("Journey");
    window.control<BitmapButton>("RzBmpButton120")->click();
    const std::filesystem::path file =
        PresetPath(PresetFoldersUnder(PathFromUtf8(presets.path().toStdString())),
                   PresetKind::WholeSetup, "Journey");
    const PresetReadResult saved = ReadPresetFile(file, PresetKind::WholeSetup);
    ASSERT_EQ(saved.status, PresetStatus::Ok);

    window.control<TrackBar>("MainMusLevelBar")->setValue(33);
    window.control<TrackBar>("MusPitchBar")->setValue(1);
    EXPECT_TRUE(boxHas(PageMusic, 3, 1));
    window.control<BitmapButton>("RzBmpButton119")->click();
    EXPECT_EQ(prompter.questions.back(), "Confirm|Load File Data：Journey ?");
    ASSERT_TRUE(pumpUntil(
        [&] { return app.engine().online() && box.store().value(PageMusic, 3) == 7; }, 60000))
        << "the upload";
    for (const PresetValue& value : saved.values)
        ASSERT_EQ(box.store().value(value.tag), value.value) << std::hex << value.tag;
    EXPECT_EQ(window.control<TrackBar>("MusPitchBar")->position(), 7);
}

} // namespace
} // namespace kdsp::test
