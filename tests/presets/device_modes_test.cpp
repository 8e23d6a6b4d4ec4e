#include "fakes.h"
#include "presets/device_modes.h"
#include "presets/mode_texts.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

struct RecordingSink : CommitSink {
    std::vector<std::pair<Tag, std::int32_t>> sent;
    void sendParameter(Tag tag, std::int32_t value) override { sent.emplace_back(tag, value); }
};

struct QuietObserver : ModelObserver {
    void musicInputGainEnabled(bool) override {}
    void refreshRequested(int) override {}
};

class DeviceModesTest : public ::testing::Test {
protected:
    RecordingSink sink;
    QuietObserver observer;
    ParameterModel model{sink, observer};
    LinkTexts texts;
    test::ScriptedPrompter prompter;
    test::RecordingLink link;
    DeviceModes modes{model, texts, prompter, link};
};

TEST_F(DeviceModesTest, RecallCommitsTheIndexToTheListsSlot) {
    struct Case {
        ModeList list;
        int slot;
        Tag sentTo;
    } cases[] = {
        {ModeList::System, 2, 0x1E02},
        {ModeList::Hint, 34, 0x1E22},
    };
    for (const auto& c : cases) {
        sink.sent.clear();
        prompter.questions.clear();
        EXPECT_TRUE(modes.recall(c.list, 8, "9-Disco", Language::English));
        ASSERT_EQ(prompter.questions.size(), 1u);
        EXPECT_EQ(prompter.questions[0].caption, "Confirm");
        EXPECT_EQ(prompter.questions[0].text, "Load Mode to9-Disco?");
        EXPECT_EQ(prompter.questions[0].buttons, QuestionButtons::YesNo);
        EXPECT_EQ(sink.sent, (std::vector<std::pair<Tag, std::int32_t>>{{c.sentTo, 8}}));
        // the store follows at once, so the user-mode buttons show the new mode
        EXPECT_EQ(model.store().value(PageSystem, c.slot), 8);
    }
    EXPECT_EQ(UserModeButtons(CurrentMode(model.store(), ModeList::System)).back().caption, "9");
}

TEST_F(DeviceModesTest, AnsweringNoOrNoSelectionSendsNothing) {
    prompter.answers = {false};
    EXPECT_FALSE(modes.recall(ModeList::System, 3, "4-", Language::Chinese));
    EXPECT_EQ(prompter.questions.at(0).text, "模式切换为4-?");
    EXPECT_FALSE(modes.recall(ModeList::System, -1, "", Language::Chinese));
    EXPECT_EQ(prompter.questions.size(), 1u);

    prompter.answers = {false};
    EXPECT_FALSE(modes.store(ModeList::Hint, 3, "x", Language::Chinese));
    EXPECT_FALSE(modes.store(ModeList::Hint, 16, "x", Language::Chinese));
    EXPECT_EQ(prompter.questions.size(), 2u);

    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(model.store(), StartupStore());
    EXPECT_TRUE(link.untouched());
    EXPECT_EQ(texts.hintModeNames[3], "");
}

TEST_F(DeviceModesTest, StoreNamesTheModeSendsTheCommandAndWaitsForTheBox) {
    struct Case {
        ModeList list;
        int index;
        std::string name;
        Language language;
        const char* question;
        const char* frame;
        int followUp;
    } cases[] = {
        {ModeList::System, 11, "Party", Language::Chinese, "保存当前模式为 12-Party?",
         "F5 C0 1A B7 1E 01 0B 00 50 61 72 74 79 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
         "C6",
         3},
        // mode 5 of the hint list: first content byte 4, second 0
        {ModeList::Hint, 4, "KTV", Language::English, "Save Mode to 5-KTV?",
         "F5 C0 09 B7 1E 21 04 00 4B 54 56 E4", 23},
    };
    for (const auto& c : cases) {
        link = {};
        prompter.questions.clear();
        EXPECT_TRUE(modes.store(c.list, c.index, c.name, c.language));

        ASSERT_EQ(prompter.questions.size(), 1u);
        EXPECT_EQ(prompter.questions[0].caption, "Confirm");
        EXPECT_EQ(prompter.questions[0].text, c.question);
        EXPECT_EQ(texts.names(c.list)[static_cast<std::size_t>(c.index)], c.name);
        ASSERT_EQ(link.textCommands.size(), 1u);
        EXPECT_EQ(
            FormatHex(BuildTextCommand(link.textCommands[0].address, link.textCommands[0].text)),
            c.frame);
        EXPECT_EQ(link.followUps, std::vector<int>{c.followUp});
        EXPECT_EQ(link.statuses,
                  (std::vector<std::pair<std::string, std::string>>{{"保存中...", "Saving..."}}));
        EXPECT_EQ(link.acknowledgementWaits, 1);
    }
    EXPECT_TRUE(sink.sent.empty()); // a store is a text command, not a write
}

TEST_F(DeviceModesTest, StoreKeepsAnEmptyOrOverlongNameAsTheBoxWould) {
    EXPECT_TRUE(modes.store(ModeList::Hint, 0, "", Language::English));
    EXPECT_EQ(link.textCommands.at(0).text, std::string("\0\0", 2));

    const std::string longName(30, 'n');
    EXPECT_TRUE(modes.store(ModeList::Hint, 1, longName, Language::English));
    EXPECT_EQ(prompter.questions.at(1).text, "Save Mode to 2-" + longName + "?");
    EXPECT_EQ(texts.hintModeNames[1], std::string(20, 'n'));
    EXPECT_EQ(link.textCommands.at(1).text, std::string("\1\0", 2) + std::string(20, 'n'));
}

} // namespace
} // namespace kdsp
