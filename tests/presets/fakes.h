#pragma once

#include "presets/preset_link.h"
#include "presets/prompter.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kdsp::test {

// Answers questions from a script (Yes when the script has run out) and
// records everything the user would have seen.
struct ScriptedPrompter : Prompter {
    struct Question {
        std::string caption, text;
        QuestionButtons buttons;
    };
    std::deque<bool> answers;
    std::vector<Question> questions;
    std::vector<std::string> messages;

    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool ask(std::string_view caption, std::string_view text, QuestionButtons buttons) override {
        questions.push_back({std::string(caption), std::string(text), buttons});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct RecordingLink : PresetLink {
    struct TextCommand {
        Tag address;
        std::string text;
    };
    bool isOnline = true;
    std::vector<int> states;
    std::vector<TextCommand> textCommands;
    std::vector<int> followUps;
    std::vector<std::pair<std::string, std::string>> statuses;
    int acknowledgementWaits = 0;

    bool online() const override { return isOnline; }
    void enterState(int state) override { states.push_back(state); }
    void sendTextCommand(Tag address, std::string_view text) override {
        textCommands.push_back({address, std::string(text)});
    }
    void armFollowUp(int code) override { followUps.push_back(code); }
    void showStatus(std::string_view chinese, std::string_view english) override {
        statuses.emplace_back(chinese, english);
    }
    void awaitAcknowledgement() override { ++acknowledgementWaits; }

    bool untouched() const {
        return states.empty() && textCommands.empty() && followUps.empty() && statuses.empty() &&
               acknowledgementWaits == 0;
    }
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string test = info ? info->name() : "test";
        for (char& c : test)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        path_ = std::filesystem::temp_directory_path() /
                ("kdsp-presets-" + test + "-" + std::to_string(stamp) + "-" +
                 std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace kdsp::test
