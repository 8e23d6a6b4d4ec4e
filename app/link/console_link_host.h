#pragma once

#include "link/link_engine.h"
#include "link/qt/link_timers.h"

namespace kdsp {

class CommsWindow;
class Console;
class MainWindow;
class Prompter;
class StatusDialog;

// The link engine's view of the console: the main window's LinkLabel and
// link buttons, the status dialog, the communications window, the serial
// port list and the TCP endpoint edits, and the refresh after a download.
class ConsoleLinkHost : public LinkHost {
public:
    ConsoleLinkHost(Console& console, MainWindow& window, StatusDialog& status, CommsWindow& comms,
                    Prompter& prompter);

    // The engine whose ticks the timers drive; set once, before any tick.
    void attach(LinkEngine& engine) { engine_ = &engine; }

    void startTimer(LinkTimer timer, int intervalMs) override { timers_.start(timer, intervalMs); }
    void stopTimer(LinkTimer timer) override { timers_.stop(timer); }
    void showLinkStatus(std::string_view chinese, std::string_view english) override;
    void setLinkLabelColour(Rgb colour) override;
    void setLinkButtons(LinkButtonLook look) override;
    void updateStatusDialog(int percent, bool visible) override;
    void setPortLabel(std::string_view text) override;
    void showPrompt(std::string_view chinese, std::string_view english) override;
    void showMessage(std::string_view text) override;
    void linkOnline() override;
    void rebuildModeBoxes(ModeList list,
                          const std::array<std::string, ModesPerList>& names) override;
    void showStoredValue(Tag tag, std::int32_t value) override;
    void setDeviceIdCaption(std::string_view id) override;
    std::vector<std::string> serialPortNames() override;
    int selectedSerialPort() override;
    void selectSerialPort(int index) override;
    TcpEndpoint tcpEndpoint() override;
    void addHistoryLine(std::string_view line) override;
    void showDeviceList(const std::vector<std::string>& lines) override;

private:
    Console& console_;
    MainWindow& window_;
    StatusDialog& status_;
    CommsWindow& comms_;
    Prompter& prompter_;
    LinkTimers timers_;
    LinkEngine* engine_ = nullptr;
};

} // namespace kdsp
