#pragma once

#include "link/frame_codec.h"
#include "link/link_texts.h"
#include "model/parameter_store.h"
#include "presets/bilingual.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

// The items of a mode box, "n-name" for n = 1..16 ("1-" when unnamed).
std::vector<std::string> ModeItems(const std::array<std::string, ModesPerList>& names);

// What a mode box shows before the first refresh: "1-" .. "22-".
std::vector<std::string> PlaceholderModeItems();

// The name part of item `itemIndex` (from 0): the number prefix is two
// characters for items 1..9 and three for 10..16, whatever the text holds.
std::string NameFromItem(int itemIndex, std::string_view item);

// Command-page slots of the two lists.
constexpr Tag ModeRecallTag(ModeList list) {
    return list == ModeList::System ? command::SystemModeRecall : command::HintModeRecall;
}
constexpr Tag ModeStoreTag(ModeList list) {
    return list == ModeList::System ? command::SystemModeStore : command::HintModeStore;
}

// The current mode of a list: page 30 slot 2 (system) or 34 (hint).
std::int32_t CurrentMode(const PageTable& store, ModeList list);

// The item a mode box selects for `mode`, or -1 (no selection) out of range.
int ModeBoxSelection(std::int32_t mode);

// The extra hint-mode recall group is shown while page 30 slot 21 is 0.
bool HintRecallGroupVisible(const PageTable& store);

// The six one-click user-mode buttons and the "..." button after them.
inline constexpr std::size_t UserModeButtonCount = 7;
inline constexpr std::string_view MoreModesCaption = "...";

enum class ButtonLook { Normal, Pressed, Disabled };

struct UserModeButton {
    ButtonLook look;
    std::string caption;
    friend bool operator==(const UserModeButton&, const UserModeButton&) = default;
};

// Buttons 1..6 are pressed when they stand for the current system mode. The
// last one is "..." and disabled for modes 1..6, otherwise pressed and
// captioned with the current mode's number.
std::array<UserModeButton, UserModeButtonCount> UserModeButtons(std::int32_t currentSystemMode);

struct UserModeAction {
    enum Kind { Nothing, RecallSystemMode, ShowModeSheet } kind = Nothing;
    int modeIndex = -1; // for RecallSystemMode
    friend bool operator==(const UserModeAction&, const UserModeAction&) = default;
};

// What a click on the user-mode button captioned `caption` does: nothing
// while off line; "..." opens the sheet with the whole list; a number
// selects that mode in the system box and recalls it (with its question).
UserModeAction UserModeButtonAction(std::string_view caption, bool online);

// Both mode questions are Yes/No with this caption in either language.
inline constexpr std::string_view ModeQuestionCaption = "Confirm";

// "模式切换为ITEM?" / "Load Mode toITEM?" (no space before the item).
std::string RecallQuestion(std::string_view item, Language language);

// "保存当前模式为 N-NAME?" / "Save Mode to N-NAME?", N = index + 1.
std::string StoreQuestion(int index, std::string_view name, Language language);

inline constexpr Bilingual SavingStatus{"保存中...", "Saving..."};

// A mode name as the box keeps it: at most 20 bytes, cut before a UTF-8
// character that would not fit whole.
std::string CutModeName(std::string_view name);

// Text of a store command: the index byte, a zero byte, then the name.
std::string StoreCommandText(int index, std::string_view name);

} // namespace kdsp
