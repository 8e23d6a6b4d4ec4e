#pragma once

#include "app/app_options.h"
#include "link/link_engine.h"

#include <memory>

namespace kdsp {

class CommsWindow;
class Console;
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
};

class ConsoleApp {
public:
    explicit ConsoleApp(const AppOptions& options, ConsoleSeams seams = {});
    ~ConsoleApp();

    // Shows the window; the first device scan then starts the search.
    void show();

    MainWindow& window() { return *window_; }
    Console& console() { return *console_; }
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
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MessagePrompter> messageBoxes_;
    Prompter* prompter_ = nullptr;
    EngineSink sink_;
    std::unique_ptr<Console> console_;
    std::unique_ptr<StatusDialog> status_;
    std::unique_ptr<CommsWindow> comms_;
    std::unique_ptr<ConsoleLinkHost> host_;
    std::unique_ptr<QtSerialPort> serial_;
    std::unique_ptr<QtClientSocket> tcp_;
    std::unique_ptr<HidService> hid_;
    std::unique_ptr<LinkEngine> engine_;
};

} // namespace kdsp
