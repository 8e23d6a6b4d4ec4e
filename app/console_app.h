#pragma once

#include "app/app_options.h"
#include "audio/wave_input.h"
#include "link/link_engine.h"

#include <filesystem>
#include <memory>

namespace kdsp {

class CommsWindow;
class Console;
class Editors;
class EngineEditorLink;
class GraphController;
class ConsoleLinkHost;
class MainWindow;
class MessagePrompter;
class Prompter;
class QtClientSocket;
class QtSerialPort;
class SimServer;
class StatusDialog;

// The whole console: the main window and its console logic, the status
// dialog and the communications window, the link engine with its
// transports, and in demo mode a simulated box on loopback.
// What the platform provides unless a caller (a test, the demo) brings its own.
struct ConsoleSeams {
    std::unique_ptr<HidService> hid;        // default: hidapi
    std::optional<QStringList> serialPorts; // default: the system's ports
    Prompter* prompter = nullptr;           // default: message boxes
    // default: the --audio-file loop, else the system's sound input
    std::unique_ptr<audio::WaveInput> audioInput;
    // The folder that holds the preset folder "Mode". Default: beside the
    // executable when that is writable, else the user's data folder.
    std::optional<std::filesystem::path> presetBase;
};

class ConsoleApp {
public:
    explicit ConsoleApp(const AppOptions& options, ConsoleSeams seams = {});
    ~ConsoleApp();

    // Shows the window; the first device scan then starts the search.
    void show();

    MainWindow& window() { return *window_; }
    Console& console() { return *console_; }
    GraphController& graph() { return *graph_; }
    LinkEngine& engine() { return *engine_; }
    StatusDialog& statusDialog() { return *status_; }
    CommsWindow& commsWindow() { return *comms_; }
    // The demo's simulated box, or nullptr.
    SimServer* demoBox() { return demoBox_.get(); }

private:
    struct EngineSink : CommitSink {
        LinkEngine* engine = nullptr;
        void sendParameter(Tag tag, std::int32_t value) override {
            engine->sendParameter(tag, value);
        }
    };

    bool hidScansItself_ = false;
    std::unique_ptr<SimServer> demoBox_;
    std::unique_ptr<audio::WaveInput> audioInput_; // outlives the graph capturing from it
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MessagePrompter> messageBoxes_;
    Prompter* prompter_ = nullptr;
    EngineSink sink_;
    std::unique_ptr<Console> console_;
    std::unique_ptr<GraphController> graph_;
    std::unique_ptr<StatusDialog> status_;
    std::unique_ptr<CommsWindow> comms_;
    std::unique_ptr<ConsoleLinkHost> host_;
    std::unique_ptr<QtSerialPort> serial_;
    std::unique_ptr<QtClientSocket> tcp_;
    std::unique_ptr<HidService> hid_;
    std::unique_ptr<LinkEngine> engine_;
    std::unique_ptr<EngineEditorLink> editorLink_;
    std::unique_ptr<Editors> editors_;
};

} // namespace kdsp
