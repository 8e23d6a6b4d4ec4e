#include "fakes.h"
#include "presets/preset_folders.h"

#include <fstream>
#include <gtest/gtest.h>

namespace kdsp {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& file) {
    std::ofstream(file) << "x";
}

TEST(PresetFolders, StripOnlyALastDotFollowedByFourCharacters) {
    struct Case {
        const char* file;
        const char* name;
    } cases[] = {
        {"a.b.Nddt", "a.b"},
        {"Party.EQdt", "Party"},
        {".Nddt", ""},
        {"a.Nddt.bak", "a.Nddt.bak"}, // three characters after the last dot
        {"a.Nddt.back", "a.Nddt"},    // any four characters count
        {"noext", "noext"},
        {"模式.Nddt", "模式"},
        {"a.模式模式", "a"}, // characters, not bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripPresetExtension(c.file), c.name) << c.file;
}

TEST(PresetFolders, PatternIsTheExtensionAnywhereInAnyCase) {
    struct Case {
        const char* file;
        bool wholeSetup, hintEq;
    } cases[] = {
        {"a.Nddt", true, false}, {"a.NDDT", true, false},     {"a.Nddt.bak", true, false},
        {"a.EQdt", false, true}, {"a.eqdt", false, true},     {"aNddt", false, false},
        {"a.txt", false, false}, {"x.Nddt.EQdt", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesPresetPattern(c.file, PresetKind::WholeSetup), c.wholeSetup) << c.file;
        EXPECT_EQ(MatchesPresetPattern(c.file, PresetKind::HintEq), c.hintEq) << c.file;
    }
}

TEST(PresetFolders, ListsMatchingFilesSortedAndStripped) {
    test::TempFolder temp;
    for (const char* file : {"b.Nddt", "A.Nddt", "a.b.Nddt", "c.EQdt", "x.txt"})
        touch(temp.path() / file);
    fs::create_directory(temp.path() / "d.Nddt"); // a folder is no preset

    const std::vector<std::string> expected = {"a.b", "A", "b"};
    EXPECT_EQ(ListPresetNames(temp.path(), PresetKind::WholeSetup), expected);
    EXPECT_EQ(ListPresetNames(temp.path(), PresetKind::HintEq), std::vector<std::string>{"c"});
    EXPECT_TRUE(ListPresetNames(temp.path() / "missing", PresetKind::HintEq).empty());
}

TEST(PresetFolders, ListsAtMostTheRoomOfTheNameTable) {
    test::TempFolder temp;
    for (int i = 0; i < 205; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "p%03d.EQdt", i);
        touch(temp.path() / name);
    }
    const auto names = ListPresetNames(temp.path(), PresetKind::HintEq);
    ASSERT_EQ(names.size(), MaxListedPresets);
    EXPECT_EQ(names.front(), "p000");
    EXPECT_EQ(names.back(), "p200");
}

TEST(PresetFolders, PreparesTheModeFolderAndBothKindFolders) {
    test::TempFolder temp;
    const PresetFolders folders = PresetFoldersUnder(temp.path());
    EXPECT_EQ(folders.of(PresetKind::WholeSetup), temp.path() / "Mode" / "R9Mode");
    EXPECT_EQ(folders.of(PresetKind::HintEq), temp.path() / "Mode" / "HintMode");
    PreparePresetFolders(folders);
    EXPECT_TRUE(fs::is_directory(folders.wholeSetup));
    EXPECT_TRUE(fs::is_directory(folders.hintEq));

    // A file in the way is not an error worth stopping for.
    touch(temp.path() / "blocked");
    EXPECT_NO_THROW(PreparePresetFolders(PresetFoldersUnder(temp.path() / "blocked")));
}

TEST(PresetFolders, BaseIsBesideTheExecutableOnlyWhenWritable) {
    const fs::path beside = "/opt/kdsp/bin";
    const fs::path data = "/home/user/.local/share/kdsp";
    fs::path asked;
    auto writable = [&](bool answer) {
        return [&asked, answer](const fs::path& folder) {
            asked = folder;
            return answer;
        };
    };
    EXPECT_EQ(ChoosePresetBase(beside, data, writable(true)), beside);
    EXPECT_EQ(asked, beside);
    EXPECT_EQ(ChoosePresetBase(beside, data, writable(false)), data);
}

TEST(PresetFolders, PresetPathAppendsTheExtensionToTheUtf8Name) {
    const PresetFolders folders = PresetFoldersUnder("base");
    EXPECT_EQ(Utf8FromPath(PresetPath(folders, PresetKind::HintEq, "模式.1").filename()),
              "模式.1.EQdt");
    EXPECT_EQ(PresetPath(folders, PresetKind::WholeSetup, "").filename(), ".Nddt");
}

} // namespace
} // namespace kdsp
