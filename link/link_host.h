#pragma once

#include "link/link_texts.h"
#include "model/page_catalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

// The link's three timers: the search (once a second), the bulk transfer
// and the write pacing.
enum class LinkTimer { Search, Transfer, Pacing };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The two looks of the link buttons: connected while searching or linked
// (LinkBtn pressed, "断开"/"Unlink"), disconnected otherwise ("联机"/"link").
enum class LinkButtonLook { Connected, Disconnected };

// The TCP endpoint exactly as typed on the system page.
struct TcpEndpoint {
    std::string host;
    std::string port;
};

// What the link engine needs from the console around it. Every call comes
// on the user-interface thread, from inside one of the engine's entry
// points. The engine has put its own state in order before it calls
// showPrompt() or showMessage(), so a host that runs a modal loop there may
// let the timers tick the engine meanwhile.
class LinkHost {
public:
    virtual ~LinkHost() = default;

    // Starts `timer` at `intervalMs` (or changes the interval of a running
    // one); stopping a stopped timer does nothing.
    virtual void startTimer(LinkTimer timer, int intervalMs) = 0;
    virtual void stopTimer(LinkTimer timer) = 0;

    // LinkLabel: the text of the console language is its caption, the other
    // its hint.
    virtual void showLinkStatus(std::string_view chinese, std::string_view english) = 0;
    virtual void setLinkLabelColour(Rgb colour) = 0;
    virtual void setLinkButtons(LinkButtonLook look) = 0;

    // The status dialog copies LinkLabel's caption, shows `percent` (0..100)
    // on its progress bar and is shown or hidden.
    virtual void updateStatusDialog(int percent, bool visible) = 0;
    // The dialog's port label: "  USB", a serial port name or "Network".
    virtual void setPortLabel(std::string_view text) = 0;

    // A modal message with an OK button and the caption "提示" or "Confirm";
    // text and caption follow the console language.
    virtual void showPrompt(std::string_view chinese, std::string_view english) = 0;
    // A modal message in this wording whatever the language.
    virtual void showMessage(std::string_view text) = 0;

    // A transfer has finished and the link is about to be online: set the
    // output mode offset from the store, refresh every view page with sending
    // suppressed, recompute the current view and refresh it again, show the
    // main window. online() is still false here; linkUpStage() is 1 on the
    // first link-up since the connect command, and the refresh may move it
    // on with setLinkUpStage(2).
    virtual void linkOnline() = 0;
    // A mode store was acknowledged: rebuild the list's mode boxes from
    // `names`, keeping their selection.
    virtual void rebuildModeBoxes(ModeList list,
                                  const std::array<std::string, ModesPerList>& names) = 0;
    // Shows a value the box reported (already in the store) on its control as
    // a refresh would, without sending it back.
    virtual void showStoredValue(Tag tag, std::int32_t value) = 0;
    virtual void setDeviceIdCaption(std::string_view id) = 0;

    // The serial port list (ComComboBox1): names and the selected entry (-1
    // for none). Selecting an index past the end leaves no selection.
    virtual std::vector<std::string> serialPortNames() = 0;
    virtual int selectedSerialPort() = 0;
    virtual void selectSerialPort(int index) = 0;

    // Read each time a TCP connection is started.
    virtual TcpEndpoint tcpEndpoint() = 0;

    // The communications window: a history line (the newest one selected)
    // and the USB device list, replaced whole; its first line is selected.
    virtual void addHistoryLine(std::string_view line) = 0;
    virtual void showDeviceList(const std::vector<std::string>& lines) = 0;
};

} // namespace kdsp
