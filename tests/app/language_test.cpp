#include "console_fixture.h"

#include <QAction>
#include <map>

namespace kdsp::test {
namespace {

using Texts = std::map<QString, std::pair<QString, QString>>;

// Caption and hint of every named control.
Texts textsOf(MainWindow& window) {
    Texts texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        Control* control = AsControl(widget);
        if (control != nullptr && !widget->objectName().isEmpty())
            texts[widget->objectName()] = {control->caption(), control->hint()};
    }
    return texts;
}

TEST_F(ConsoleTest, TheLanguageRoundTripRestoresEveryCaptionAndHint) {
    clickTab("FormMAINTabBtn");
    const Texts chinese = textsOf(window);
    auto* language = get<ToolButton>("RzToolButton11");

    language->click();
    EXPECT_EQ(console.language(), Language::English);
    EXPECT_EQ(language->caption(), QStringLiteral("中文"));
    struct Case {
        const char* control;
        const char* caption;
    } english[] = {
        {"FormMusTabBtn", "Music"},    {"FormAUXTabBtn", "Other"}, {"AdvTabSheet1", "Main Setting"},
        {"LinkLabel", "Off Line"},     {"SameBtn", "SYNC"},        {"SysLRBtn1", "Enable"},
        {"DEQTYpeAboveBtn3", "Above"}, {"LinkBtn", "Link"},        {"OutLimiteGroup", "Main Limit"},
        {"MainLmuteBtn", "L Mute"},    {"InputLabel", "RCA1 Vol"}, {"RzBmpButton4", "OK"},
    };
    for (const Case& c : english)
        EXPECT_EQ(AsControl(get(c.control))->caption(), QString::fromUtf8(c.caption)) << c.control;
    EXPECT_EQ(get<ComboBox>("SysInputBox")->itemText(0), "AUTO");
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("MenuItem1"))->text(), "Delete");
    // Numbers in hints are no language.
    EXPECT_EQ(get<StyledLabel>("MusHSQBtn3")->hint(), "3");
    EXPECT_EQ(get<StatusPane>("MusHPFREPane")->hint(), "6");
    EXPECT_EQ(get<Edit>("MusFreEdit1")->hint(), "2");

    language->click();
    EXPECT_EQ(console.language(), Language::Chinese);
    EXPECT_EQ(textsOf(window), chinese);
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("MenuItem1"))->text(),
              QStringLiteral("刪除"));
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(ConsoleTest, SettingTheLanguageShownChangesNothing) {
    const Texts before = textsOf(window);
    console.setLanguage(Language::Chinese);
    EXPECT_EQ(textsOf(window), before);
}

TEST_F(ConsoleTest, PromptsAndLinkTextsFollowTheLanguage) {
    console.showPrompt("已断开连接!", "Off Line!");
    console.setLanguage(Language::English);
    console.showPrompt("已断开连接!", "Off Line!");
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"已断开连接!", "Off Line!"}));

    console.showLinkStatus("设备已连接", "Online");
    EXPECT_EQ(get<PlainLabel>("LinkLabel")->caption(), "Online");
    console.setLinkButtonsConnected(true);
    EXPECT_EQ(get<BitmapButton>("LinkBtn")->caption(), "Unlink");
    console.setLanguage(Language::Chinese);
    EXPECT_EQ(get<PlainLabel>("LinkLabel")->caption(), QStringLiteral("设备已连接"));
    EXPECT_EQ(get<BitmapButton>("LinkBtn")->caption(), QStringLiteral("断开"));
}

} // namespace
} // namespace kdsp::test
