#pragma once

#include <array>
#include <string>

namespace kdsp {

inline constexpr int ModesPerList = 16;

enum class ModeList { System, Hint };

// Texts the box sends during a download, kept for the console pages.
struct LinkTexts {
    std::array<std::string, ModesPerList> systemModeNames;
    std::array<std::string, ModesPerList> hintModeNames;
    std::string devicePassword; // 4 characters when valid
    std::string systemCode;     // 6 characters when valid
    std::string deviceId;       // 8 upper-case hex digits

    std::array<std::string, ModesPerList>& names(ModeList list) {
        return list == ModeList::System ? systemModeNames : hintModeNames;
    }
};

} // namespace kdsp
