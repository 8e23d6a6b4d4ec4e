#include "presets/mode_texts.h"

#include <charconv>

namespace kdsp {

namespace {

constexpr int SystemModeSlot = 2;
constexpr int HintModeSlot = 34;
constexpr int HintGroupSlot = 21;
constexpr int PlaceholderItems = 22;

} // namespace

std::vector<std::string> ModeItems(const std::array<std::string, ModesPerList>& names) {
    std::vector<std::string> items;
    for (int i = 0; i < ModesPerList; ++i)
        items.push_back(std::to_string(i + 1) + "-" + names[static_cast<std::size_t>(i)]);
    return items;
}

std::vector<std::string> PlaceholderModeItems() {
    std::vector<std::string> items;
    for (int i = 1; i <= PlaceholderItems; ++i)
        items.push_back(std::to_string(i) + "-");
    return items;
}

std::string NameFromItem(int itemIndex, std::string_view item) {
    const std::size_t prefix = itemIndex < 9 ? 2 : 3;
    return item.size() > prefix ? std::string(item.substr(prefix)) : std::string();
}

std::int32_t CurrentMode(const PageTable& store, ModeList list) {
    return store.value(PageSystem, list == ModeList::System ? SystemModeSlot : HintModeSlot);
}

int ModeBoxSelection(std::int32_t mode) {
    return mode >= 0 && mode < ModesPerList ? mode : -1;
}

bool HintRecallGroupVisible(const PageTable& store) {
    return store.value(PageSystem, HintGroupSlot) == 0;
}

std::array<UserModeButton, UserModeButtonCount> UserModeButtons(std::int32_t currentSystemMode) {
    std::array<UserModeButton, UserModeButtonCount> buttons;
    for (int i = 0; i + 1 < static_cast<int>(UserModeButtonCount); ++i)
        buttons[static_cast<std::size_t>(i)] = {i == currentSystemMode ? ButtonLook::Pressed
                                                                       : ButtonLook::Normal,
                                                std::to_string(i + 1)};
    buttons.back() =
        currentSystemMode < 6
            ? UserModeButton{ButtonLook::Disabled, std::string(MoreModesCaption)}
            : UserModeButton{ButtonLook::Pressed, std::to_string(currentSystemMode + 1)};
    return buttons;
}

UserModeAction UserModeButtonAction(std::string_view caption, bool online) {
    if (!online)
        return {};
    if (caption == MoreModesCaption)
        return {UserModeAction::ShowModeSheet, -1};
    int number = 0;
    const auto [end, error] =
        std::from_chars(caption.data(), caption.data() + caption.size(), number);
    if (error != std::errc{} || end != caption.data() + caption.size() || number < 1 ||
        number > ModesPerList)
        return {};
    return {UserModeAction::RecallSystemMode, number - 1};
}

std::string RecallQuestion(std::string_view item, Language language) {
    const std::string_view lead = language == Language::Chinese ? "模式切换为" : "Load Mode to";
    return std::string(lead) + std::string(item) + "?";
}

std::string StoreQuestion(int index, std::string_view name, Language language) {
    const std::string_view lead =
        language == Language::Chinese ? "保存当前模式为 " : "Save Mode to ";
    return std::string(lead) + std::to_string(index + 1) + "-" + std::string(name) + "?";
}

std::string CutModeName(std::string_view name) {
    if (name.size() <= command::StoreNameLength)
        return std::string(name);
    std::size_t end = command::StoreNameLength;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    return std::string(name.substr(0, end));
}

std::string StoreCommandText(int index, std::string_view name) {
    std::string text;
    text += static_cast<char>(index);
    text += '\0';
    text += name;
    return text;
}

} // namespace kdsp
