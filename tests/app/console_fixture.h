#pragma once

#include "app/console/console.h"
#include "app/window/main_window.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace kdsp::test {

struct RecordingSink : CommitSink {
    std::vector<std::pair<Tag, std::int32_t>> sent;
    void sendParameter(Tag tag, std::int32_t value) override { sent.emplace_back(tag, value); }
    bool contains(Tag tag, std::int32_t value) const {
        for (const auto& [t, v] : sent) {
            if (t == tag && v == value)
                return true;
        }
        return false;
    }
};

struct RecordingPrompter : Prompter {
    std::vector<std::string> messages;
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool ask(std::string_view, std::string_view, QuestionButtons) override { return true; }
};

// A started console on a shown (offscreen) window.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        console.start();
        sink.sent.clear();
    }

    template <class T = QWidget> T* get(const char* name) {
        T* control = window.control<T>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    ParameterStore& store() { return console.model().store(); }
    ViewSelection& selection() { return console.model().selection(); }
    void clickTab(const char* name) { get<ToolButton>(name)->click(); }

    RecordingSink sink;
    RecordingPrompter prompter;
    MainWindow window;
    Console console{window, sink, prompter};
};

} // namespace kdsp::test
