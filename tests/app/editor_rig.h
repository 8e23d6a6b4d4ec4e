#pragma once

// The console's window, its editors and a real link engine wired to an
// in-process box on a fake serial port. Nothing moves by itself: settle()
// runs the pacing ticks and hands the box's answers back, so every test
// sees exactly which frames the box received for a user action.

#include "app/console/console.h"
#include "app/editors/editors.h"
#include "app/editors/engine_editor_link.h"
#include "app/window/main_window.h"
#include "tests/link/engine_rig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

namespace kdsp::test {

// Answers the questions from a script (Yes when the script has run out) and
// keeps every question and message, as "caption|text" and text.
// Runs the event loop until `done` holds or `timeoutMs` pass: for tests of
// the whole console against its demo box, where real timers drive the link.
template <typename Done> bool pumpUntil(Done done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct ScriptedPrompter : Prompter {
    std::deque<bool> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool ask(std::string_view caption, std::string_view text, QuestionButtons) override {
        questions.push_back(std::string(caption) + "|" + std::string(text));
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The engine's host as the console app has it: refreshes, mode lists,
// values from the box and prompts reach the console.
struct ConsoleRigHost : RecordingHost {
    ConsoleRigHost(std::vector<std::string>& trace, Console*& console)
        : RecordingHost(trace), console_(console) {}

    void linkOnline() override {
        RecordingHost::linkOnline();
        console_->refreshAfterDownload();
    }
    void rebuildModeBoxes(ModeList list,
                          const std::array<std::string, ModesPerList>& names) override {
        RecordingHost::rebuildModeBoxes(list, names);
        console_->rebuildModeList(list == ModeList::System ? 0 : 1);
    }
    void showStoredValue(Tag tag, std::int32_t value) override {
        RecordingHost::showStoredValue(tag, value);
        console_->showStoredValue(tag, value);
    }
    void showPrompt(std::string_view chinese, std::string_view english) override {
        RecordingHost::showPrompt(chinese, english);
        console_->showPrompt(chinese, english);
    }

private:
    Console*& console_;
};

class EditorRig : public ::testing::Test {
protected:
    EditorRig() {
        consolePointer = &console;
        sink.engine = &engine;
        console.setModeNameSource([this](int list, int index) {
            return engine.texts().names(
                list == 0 ? ModeList::System : ModeList::Hint)[static_cast<std::size_t>(index)];
        });
    }

    void SetUp() override {
        window.show();
        // Focus moves, and edits are left, only in the active window.
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        console.start();
        host.ports = {"COM3"};
        host.selected = 0;
        serial.boxes["COM3"] = &box;
    }

    // Search, handshake and full download; the frames of the download are
    // forgotten.
    void linkUp() {
        engine.hidDevicesChanged();
        pump();
        for (int i = 0; i < 30 && !engine.timerRunning(LinkTimer::Transfer); ++i) {
            engine.searchTick();
            pump();
        }
        while (engine.timerRunning(LinkTimer::Transfer)) {
            engine.transferTick();
            pump();
        }
        ASSERT_TRUE(engine.online());
        box.clearReceivedFrames();
    }

    void pump() {
        for (const Bytes& chunk : box.takeOutput())
            engine.serialReceived(chunk);
    }

    // Pacing ticks until the box has answered everything sent (fewer than
    // the fifty that would poll it); then any transfer a follow-up started.
    void settle() {
        pump();
        for (int i = 0; i < 10; ++i) {
            engine.pacingTick();
            pump();
        }
        while (engine.timerRunning(LinkTimer::Transfer)) {
            engine.transferTick();
            pump();
        }
    }

    // The frames the box received since the last call, by their short
    // names ("write 000C=130": page 0 slot 12 set to 130).
    std::vector<std::string> received() {
        settle();
        std::vector<std::string> frames;
        for (const std::string& frame : Describe(box.receivedFrames()))
            if (frame != "poll")
                frames.push_back(frame);
        box.clearReceivedFrames();
        return frames;
    }

    template <class T = QWidget> T* get(const char* name) {
        T* control = window.control<T>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void click(const char* name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void clickTab(const char* name) { get<ToolButton>(name)->click(); }
    void clickButton(const char* name) { get<QAbstractButton>(name)->click(); }
    // Types into an edit as the keyboard would, one key at a time.
    void type(const char* name, const QString& text) {
        for (QChar c : text)
            QTest::keyClick(get(name), c.toLatin1());
    }
    void key(const char* name, Qt::Key k) { QTest::keyClick(get(name), k); }
    void leave() { get("Examplexx")->setFocus(); }
    const ParameterStore& boxStore() const { return box.store(); }
    const ParameterStore& store() { return console.model().store(); }

    std::vector<std::string> trace;
    ScriptedPrompter prompter;
    BoxSimulator box{Transport::Serial};
    FakeSerialPort serial{trace};
    FakeSocket tcp{trace};
    FakeHid hid{trace};
    Console* consolePointer = nullptr;
    ConsoleRigHost host{trace, consolePointer};
    struct EngineSink : CommitSink {
        LinkEngine* engine = nullptr;
        void sendParameter(Tag tag, std::int32_t value) override {
            engine->sendParameter(tag, value);
        }
    } sink;
    MainWindow window;
    Console console{window, sink, prompter};
    LinkEngine engine{console.model().store(), host, serial, tcp, hid};
    EngineEditorLink link{engine};
    QTemporaryDir presetBase;
    Editors editors{window, console, link, prompter,
                    PresetFoldersUnder(PathFromUtf8(presetBase.path().toStdString()))};
};

} // namespace kdsp::test
