// The whole console against its demo box on loopback: the automatic search
// reaches the box over TCP, the download fills the controls, an edit reaches
// the box, and a box that falls silent is reported lost.
#include "app/console_app.h"
#include "app/controls/inputs.h"
#include "app/controls/labels.h"
#include "app/window/main_window.h"
#include "editor_rig.h"
#include "presets/preset_folders.h"
#include "sim/qt/sim_server.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kdsp::test {
namespace {

TEST(ConsoleEndToEnd, DemoDownloadsEditsAndNoticesALostBox) {
    ScriptedPrompter prompter;
    AppOptions options;
    options.demo = true;
    QTemporaryDir presets;
    ConsoleSeams seams;
    seams.prompter = &prompter;
    seams.presetBase = PathFromUtf8(presets.path().toStdString());
    ConsoleApp app(options, std::move(seams));
    ASSERT_NE(app.demoBox(), nullptr);
    BoxSimulator& box = app.demoBox()->box();
    app.show();

    ASSERT_TRUE(pumpUntil([&] { return app.engine().online(); }, 60000))
        << "no link to the demo box";
    MainWindow& window = app.window();
    EXPECT_EQ(window.control<PlainLabel>("LinkLabel")->text(), "设备已连接");
    EXPECT_EQ(window.control<TrackBar>("MusPitchBar")->value(), box.store().value(PageMusic, 3));
    EXPECT_EQ(window.control<Edit>("MusGainEdit1")->text(), "6.0dB") << "the box's band 1 gain";
    EXPECT_EQ(window.control<StatusPane>("SysMusNormalVolPane")->text(), "60");

    window.control<TrackBar>("MusPitchBar")->setValue(9);
    EXPECT_TRUE(pumpUntil([&] { return box.store().value(PageMusic, 3) == 9; }, 5000))
        << "the edit never reached the box";

    box.faults().setSilent(true);
    EXPECT_TRUE(pumpUntil([&] { return !prompter.messages.empty(); }, 10000));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"已断开连接!"});
    EXPECT_EQ(window.control<PlainLabel>("LinkLabel")->text(), "设备未连接");
}

} // namespace
} // namespace kdsp::test
