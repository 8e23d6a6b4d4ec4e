#include "presets/preset_names.h"

#include <gtest/gtest.h>
#include <string>

namespace kdsp {
namespace {

TEST(PresetNames, SaveRefusesWhatAFileSystemRefusesOpenOnlyWhatLeavesTheFolder) {
    struct Case {
        std::string name;
        bool save, open;
    } cases[] = {
        {"Party", true, true},
        {"KTV 2.live", true, true},
        {"模式一", true, true},
        {"", true, true}, // an empty name opens the file named only by the extension
        {"a/b", false, false},
        {"a\\b", false, false},
        {"C:x", false, false},
        {"../x", false, false},
        {"..", false, true},
        {"a..b", false, true},
        {"tab\there", false, false},
        {std::string("nul\0byte", 8), false, false},
        {"del\x7f", false, false},
        {"what?", false, true},
        {"a*b", false, true},
        {"\"q\"", false, true},
        {"<a>", false, true},
        {"a|b", false, true},
        {"CON", false, true},
        {"con.backup", false, true},
        {"Com1", false, true},
        {"LPT9", false, true},
        {"COM0", true, true},
        {"CONSOLE", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAcceptablePresetName(c.name, NameUse::Save), c.save) << c.name;
        EXPECT_EQ(IsAcceptablePresetName(c.name, NameUse::Open), c.open) << c.name;
    }
}

} // namespace
} // namespace kdsp
