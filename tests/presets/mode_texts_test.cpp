#include "presets/mode_texts.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

TEST(ModeTexts, ItemsNumberTheNamesAndTheNameComesBackWithoutItsPrefix) {
    std::array<std::string, ModesPerList> names;
    names[2] = "KTV";
    names[8] = "Nine";
    names[9] = "Ten";
    names[11] = "Party";
    names[15] = "1-2"; // a name that looks like a prefix stays whole
    const auto items = ModeItems(names);
    ASSERT_EQ(items.size(), 16u);
    struct Case {
        int index;
        const char* item;
        const char* name;
    } cases[] = {
        {0, "1-", ""},        {2, "3-KTV", "KTV"},       {8, "9-Nine", "Nine"},
        {9, "10-Ten", "Ten"}, {11, "12-Party", "Party"}, {15, "16-1-2", "1-2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(items[static_cast<std::size_t>(c.index)], c.item);
        EXPECT_EQ(NameFromItem(c.index, c.item), c.name) << c.item;
    }
}

TEST(ModeTexts, PlaceholdersBeforeTheFirstRefresh) {
    const auto items = PlaceholderModeItems();
    ASSERT_EQ(items.size(), 22u);
    EXPECT_EQ(items.front(), "1-");
    EXPECT_EQ(items.back(), "22-");
}

TEST(ModeTexts, CurrentModesAndTheHintGroupComeFromPage30) {
    ParameterStore store = StartupStore();
    EXPECT_FALSE(HintRecallGroupVisible(store)); // hidden until the box says otherwise
    store.setValue(PageSystem, 2, 7);
    store.setValue(PageSystem, 34, 3);
    store.setValue(PageSystem, 21, 0);
    EXPECT_EQ(CurrentMode(store, ModeList::System), 7);
    EXPECT_EQ(CurrentMode(store, ModeList::Hint), 3);
    EXPECT_TRUE(HintRecallGroupVisible(store));

    struct Case {
        std::int32_t mode;
        int selection;
    } cases[] = {{0, 0}, {15, 15}, {16, -1}, {-1, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ModeBoxSelection(c.mode), c.selection) << c.mode;
}

TEST(ModeTexts, UserModeButtons) {
    using enum ButtonLook;
    struct Case {
        std::int32_t current;
        std::array<ButtonLook, 6> numbered;
        UserModeButton more;
    } cases[] = {
        {0, {Pressed, Normal, Normal, Normal, Normal, Normal}, {Disabled, "..."}},
        {2, {Normal, Normal, Pressed, Normal, Normal, Normal}, {Disabled, "..."}},
        {5, {Normal, Normal, Normal, Normal, Normal, Pressed}, {Disabled, "..."}},
        {6, {Normal, Normal, Normal, Normal, Normal, Normal}, {Pressed, "7"}},
        {8, {Normal, Normal, Normal, Normal, Normal, Normal}, {Pressed, "9"}},
        {15, {Normal, Normal, Normal, Normal, Normal, Normal}, {Pressed, "16"}},
    };
    for (const auto& c : cases) {
        const auto buttons = UserModeButtons(c.current);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(buttons[i].look, c.numbered[i]) << c.current << " button " << i;
            EXPECT_EQ(buttons[i].caption, std::to_string(i + 1));
        }
        EXPECT_EQ(buttons[6], c.more) << c.current;
    }
}

TEST(ModeTexts, UserModeButtonClicks) {
    struct Case {
        const char* caption;
        bool online;
        UserModeAction action;
    } cases[] = {
        {"1", true, {UserModeAction::RecallSystemMode, 0}},
        {"6", true, {UserModeAction::RecallSystemMode, 5}},
        {"9", true, {UserModeAction::RecallSystemMode, 8}}, // the last button showing mode 9
        {"...", true, {UserModeAction::ShowModeSheet, -1}},
        {"3", false, {}},
        {"...", false, {}},
        {"", true, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UserModeButtonAction(c.caption, c.online), c.action) << c.caption << c.online;
}

TEST(ModeTexts, Questions) {
    struct Case {
        Language language;
        std::string recall, store;
    } cases[] = {
        {Language::Chinese, "模式切换为12-Party?", "保存当前模式为 5-KTV?"},
        {Language::English, "Load Mode to12-Party?", "Save Mode to 5-KTV?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecallQuestion("12-Party", c.language), c.recall);
        EXPECT_EQ(StoreQuestion(4, "KTV", c.language), c.store);
    }
}

TEST(ModeTexts, StoreCommandFrames) {
    struct Case {
        const char* name;
        ModeList list;
        int index;
        const char* modeName;
        const char* frame;
    } cases[] = {
        // slot 1: index, 0, name padded with spaces to 20
        {"system", ModeList::System, 0, "AB",
         "F5 C0 1A B7 1E 01 00 00 41 42 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
         "8E"},
        // slot 33, mode 5: content bytes 04 00, then the name unpadded
        {"hint mode 5", ModeList::Hint, 4, "AB", "F5 C0 08 B7 1E 21 04 00 41 42 72"},
        {"empty name", ModeList::Hint, 0, "", "F5 C0 06 B7 1E 21 00 00 EB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatHex(BuildTextCommand(ModeStoreTag(c.list),
                                             StoreCommandText(c.index, c.modeName))),
                  c.frame)
            << c.name;
}

TEST(ModeTexts, NamesAreCutToTwentyBytesOnACharacterBoundary) {
    struct Case {
        std::string name, kept;
    } cases[] = {
        {std::string(20, 'x'), std::string(20, 'x')},
        {std::string(25, 'x'), std::string(20, 'x')},
        // six three-byte characters fit in 18 bytes; the seventh would end at 21
        {"一二三四五六七", "一二三四五六"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutModeName(c.name), c.kept) << c.name;
}

} // namespace
} // namespace kdsp
