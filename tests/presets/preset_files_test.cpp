#include "fakes.h"
#include "presets/line_cipher.h"
#include "presets/preset_file_io.h"
#include "presets/preset_files.h"
#include "presets/preset_format.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace kdsp {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, const std::string& content) {
    std::ofstream(file, std::ios::binary) << content;
}

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

class PresetFilesTest : public ::testing::Test {
protected:
    PresetFilesTest() { files.prepare(); }

    fs::path pathOf(PresetKind kind, const std::string& name) const {
        return PresetPath(files.folders(), kind, name);
    }

    test::TempFolder temp;
    ParameterStore store = StartupStore();
    test::ScriptedPrompter prompter;
    test::RecordingLink link;
    PresetFiles files{PresetFoldersUnder(temp.path()), store, prompter, link};
};

TEST_F(PresetFilesTest, SaveWritesTheStoreAndRefreshesTheList) {
    store.setValue(22, 4, 77);
    EXPECT_EQ(files.save(PresetKind::HintEq, "a.b", Language::English), SaveOutcome::Saved);

    EXPECT_EQ(contentOf(pathOf(PresetKind::HintEq, "a.b")),
              EncodePresetFile(PresetKind::HintEq, store));
    EXPECT_EQ(files.names(PresetKind::HintEq), std::vector<std::string>{"a.b"});
    EXPECT_TRUE(files.names(PresetKind::WholeSetup).empty());
    // nothing asked for a new name, and no temporary file left beside it
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(entriesOf(files.folders().hintEq), std::vector<std::string>{"a.b.EQdt"});
}

TEST_F(PresetFilesTest, SaveOverAListedNameAsksFirst) {
    struct Case {
        Language language;
        bool answer;
        const char* caption;
        const char* question;
    } cases[] = {
        {Language::Chinese, false, "*系统提示*", "文件已存在,覆盖它吗?"},
        {Language::English, false, "*Confirm*", "File already exists, overwrite it right?"},
        {Language::English, true, "*Confirm*", "File already exists, overwrite it right?"},
    };
    for (const auto& c : cases) {
        const fs::path file = pathOf(PresetKind::WholeSetup, "Party");
        writeFile(file, "old");
        files.refresh(PresetKind::WholeSetup);
        prompter.questions.clear();
        prompter.answers = {c.answer};

        EXPECT_EQ(files.save(PresetKind::WholeSetup, "Party", c.language),
                  c.answer ? SaveOutcome::Saved : SaveOutcome::Cancelled);
        ASSERT_EQ(prompter.questions.size(), 1u);
        EXPECT_EQ(prompter.questions[0].caption, c.caption);
        EXPECT_EQ(prompter.questions[0].text, c.question);
        EXPECT_EQ(prompter.questions[0].buttons, QuestionButtons::OkCancel);
        EXPECT_EQ(contentOf(file) == "old", !c.answer);
    }
}

TEST_F(PresetFilesTest, AFileMadeSinceTheLastListingIsOverwrittenWithoutAsking) {
    writeFile(pathOf(PresetKind::HintEq, "late"), "old");
    EXPECT_EQ(files.save(PresetKind::HintEq, "late", Language::English), SaveOutcome::Saved);
    EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(PresetFilesTest, EmptyOrUnsafeNamesWriteNothing) {
    EXPECT_EQ(files.save(PresetKind::WholeSetup, "", Language::English),
              SaveOutcome::NothingToSave);
    EXPECT_TRUE(prompter.messages.empty());

    struct Case {
        const char* name;
        Language language;
        const char* start;
    } cases[] = {
        {"../escape", Language::English, "Invalid file name"},
        {"sub/name", Language::Chinese, "文件名无效"},
        {"a..b", Language::English, "Invalid file name"},
        {"bell\a", Language::Chinese, "文件名无效"},
        {"what?", Language::English, "Invalid file name"},
        {"nul", Language::English, "Invalid file name"},
    };
    for (const auto& c : cases) {
        prompter.messages.clear();
        EXPECT_EQ(files.save(PresetKind::WholeSetup, c.name, c.language), SaveOutcome::InvalidName)
            << c.name;
        ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
        EXPECT_EQ(prompter.messages[0].rfind(c.start, 0), 0u) << prompter.messages[0];
    }
    EXPECT_TRUE(entriesOf(files.folders().wholeSetup).empty());
    EXPECT_EQ(entriesOf(files.folders().mode), (std::vector<std::string>{"HintMode", "R9Mode"}));
}

TEST_F(PresetFilesTest, SaveIntoAMissingFolderSaysSo) {
    fs::remove_all(files.folders().mode);
    EXPECT_EQ(files.save(PresetKind::HintEq, "x", Language::Chinese), SaveOutcome::Failed);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"文件保存失败!"});
}

TEST_F(PresetFilesTest, LoadAsksAndUploadsOnlyWhenOnline) {
    struct Case {
        PresetKind kind;
        bool online;
        Language language;
        const char* question;
        std::vector<int> states;
    } cases[] = {
        {PresetKind::WholeSetup, true, Language::Chinese, "加载模式：KTV ?", {6}},
        {PresetKind::HintEq, true, Language::English, "Load File Data：KTV ?", {8}},
        {PresetKind::WholeSetup, false, Language::English, "Load File Data：KTV ?", {}},
        {PresetKind::HintEq, false, Language::Chinese, "加载模式：KTV ?", {}},
    };
    for (const auto& c : cases) {
        ParameterStore saved = StartupStore();
        saved.setValue(3, 40, 123);
        saved.setValue(23, 7, 45);
        ASSERT_TRUE(WritePresetFile(pathOf(c.kind, "KTV"), c.kind, saved));
        store = StartupStore();
        link = {};
        link.isOnline = c.online;
        prompter.questions.clear();

        EXPECT_EQ(files.load(c.kind, "KTV", c.language), LoadOutcome::Loaded);
        ASSERT_EQ(prompter.questions.size(), 1u);
        EXPECT_EQ(prompter.questions[0].caption, "Confirm");
        EXPECT_EQ(prompter.questions[0].text, c.question);
        EXPECT_EQ(prompter.questions[0].buttons, QuestionButtons::YesNo);
        EXPECT_EQ(link.states, c.states);
        // the store takes the file's pages even when nothing can be sent
        const bool hint = c.kind == PresetKind::HintEq;
        EXPECT_EQ(store.value(3, 40), hint ? StartupStore().value(3, 40) : 123);
        EXPECT_EQ(store.value(23, 7), hint ? 45 : StartupStore().value(23, 7));
    }
}

TEST_F(PresetFilesTest, AnsweringNoReadsNothing) {
    ParameterStore saved;
    ASSERT_TRUE(
        WritePresetFile(pathOf(PresetKind::WholeSetup, "x"), PresetKind::WholeSetup, saved));
    prompter.answers = {false};
    EXPECT_EQ(files.load(PresetKind::WholeSetup, "x", Language::English), LoadOutcome::Declined);
    EXPECT_EQ(store, StartupStore());
    EXPECT_TRUE(link.untouched());
    EXPECT_TRUE(prompter.messages.empty());
}

// Every failure of a load shows its message and leaves the store as it was.
TEST_F(PresetFilesTest, FailedLoadsLeaveTheStoreUntouched) {
    ParameterStore zeros;
    const std::string good = EncodePresetFile(PresetKind::WholeSetup, zeros);
    const std::string dropped = [&] {
        std::string file = good;
        const auto lineStart = file.find("\r\n", 2000) + 2;
        return file.erase(lineStart, file.find("\r\n", lineStart) + 2 - lineStart);
    }();
    const std::string badChecksum = [&] {
        std::string file = good;
        const std::string lastLine = ScrambleLine("CCCCK: 0") + "\r\n";
        return file.replace(file.size() - lastLine.size(), lastLine.size(),
                            ScrambleLine("CCCCK: 1") + "\r\n");
    }();
    struct Case {
        const char* name;
        const char* file; // nullptr: no file at all
        std::string content;
        const char* chinese;
        const char* english;
    } cases[] = {
        {"missing", nullptr, "", "文件不存在", "File not find!"},
        {"folder in the way", "dir", "", "文件不存在", "File not find!"},
        {"other kind", "kind", EncodePresetFile(PresetKind::HintEq, zeros), "文件格式错误!",
         "File format error!"},
        {"data line removed", "short", dropped, "数据文件损坏!", "Data file is corrupted!"},
        {"checksum", "sum", badChecksum, "数据文件损坏!", "Data file is corrupted!"},
        {"non-hex", "hex", "6BD3773BED14\r\nZZ\r\n" + good.substr(32), "数据文件损坏!",
         "Data file is corrupted!"},
        {"odd length", "odd", good.substr(0, 11) + good.substr(12), "数据文件损坏!",
         "Data file is corrupted!"},
        {"truncated", "cut", good.substr(0, good.size() / 2), "数据文件损坏!",
         "Data file is corrupted!"},
        {"empty", "empty", "", "数据文件损坏!", "Data file is corrupted!"},
        {"huge", "huge", good + std::string(MaxPresetFileSize, 'A'), "数据文件损坏!",
         "Data file is corrupted!"},
    };
    fs::create_directory(pathOf(PresetKind::WholeSetup, "dir"));
    for (const auto& c : cases) {
        const std::string name = c.file ? c.file : "missing";
        if (c.file && name != "dir")
            writeFile(pathOf(PresetKind::WholeSetup, name), c.content);
        for (Language language : {Language::Chinese, Language::English}) {
            prompter.messages.clear();
            const LoadOutcome outcome = files.load(PresetKind::WholeSetup, name, language);
            EXPECT_NE(outcome, LoadOutcome::Loaded) << c.name;
            EXPECT_EQ(
                prompter.messages,
                std::vector<std::string>{language == Language::Chinese ? c.chinese : c.english})
                << c.name;
            EXPECT_EQ(store, StartupStore()) << c.name;
            EXPECT_TRUE(link.untouched()) << c.name;
        }
    }
}

TEST_F(PresetFilesTest, EmptyNameLoadsTheFileNamedOnlyByTheExtension) {
    EXPECT_EQ(files.load(PresetKind::HintEq, "", Language::Chinese), LoadOutcome::CannotOpen);
    EXPECT_EQ(prompter.questions.at(0).text, "加载模式： ?");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"文件不存在"});

    ASSERT_TRUE(WritePresetFile(pathOf(PresetKind::HintEq, ""), PresetKind::HintEq, store));
    EXPECT_EQ(files.load(PresetKind::HintEq, "", Language::Chinese), LoadOutcome::Loaded);
}

TEST_F(PresetFilesTest, LoadRefusesANameReachingOutOfTheFolder) {
    ParameterStore saved;
    ASSERT_TRUE(
        WritePresetFile(files.folders().mode / "outside.Nddt", PresetKind::WholeSetup, saved));
    EXPECT_EQ(files.load(PresetKind::WholeSetup, "../outside", Language::English),
              LoadOutcome::InvalidName);
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(store, StartupStore());
}

TEST_F(PresetFilesTest, DeleteShowsThePathDeletesAndRefreshes) {
    ASSERT_EQ(files.save(PresetKind::WholeSetup, "a.b", Language::English), SaveOutcome::Saved);
    ASSERT_EQ(files.save(PresetKind::WholeSetup, "c", Language::English), SaveOutcome::Saved);
    const fs::path file = pathOf(PresetKind::WholeSetup, "a.b");

    EXPECT_TRUE(files.remove(PresetKind::WholeSetup, "a.b", Language::English));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{Utf8FromPath(fs::path(file).make_preferred())});
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(files.names(PresetKind::WholeSetup), std::vector<std::string>{"c"});

    prompter.messages.clear();
    EXPECT_FALSE(files.remove(PresetKind::WholeSetup, "", Language::English));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PresetFilesTest, SavedFilesLoadBackExactly) {
    for (int slot = 0; slot < SlotCount[PageHint]; ++slot) {
        store.setValue(22, slot, slot * 3);
        store.setValue(24, slot, 1000 - slot);
    }
    ASSERT_EQ(files.save(PresetKind::HintEq, "hint", Language::English), SaveOutcome::Saved);
    const ParameterStore saved = store;
    store = StartupStore();
    store.setValue(5, 5, 55); // not a hint page: a hint load leaves it alone

    ASSERT_EQ(files.load(PresetKind::HintEq, "hint", Language::English), LoadOutcome::Loaded);
    for (int page = 22; page <= 24; ++page)
        for (int slot = 0; slot < SlotsPerPage; ++slot)
            ASSERT_EQ(store.value(page, slot), saved.value(page, slot)) << page << ":" << slot;
    EXPECT_EQ(store.value(5, 5), 55);
}

} // namespace
} // namespace kdsp
