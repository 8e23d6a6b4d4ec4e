// The search for the box: once a second, USB first, then each listed
// serial port, then TCP.

#include "link/link_engine.h"
#include "link/link_state_texts.h"

#include <charconv>

namespace kdsp {

namespace {

// Connect requests over USB before the search moves on (tries 1..9).
constexpr int UsbTries = 10;
// TCP stage ticks: two requests, failure on the third.
constexpr int TcpTries = 3;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole number 1..65535, nothing else.
std::optional<std::uint16_t> parsePort(std::string_view text) {
    text = trimmed(text);
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end || value < 1 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

} // namespace

void LinkEngine::searchTick() {
    if (!timerRunning(LinkTimer::Search))
        return;
    showDialog(true);
    if (answered_) {
        transferIntervalMs_ =
            transport_ == Transport::Tcp ? TcpTransferIntervalMs : TransferIntervalMs;
        enterState(link_state::Linking);
        return;
    }
    switch (transport_) {
    case Transport::Usb:
        searchUsb();
        break;
    case Transport::Serial:
        searchSerial();
        break;
    case Transport::Tcp:
        searchTcp();
        break;
    }
}

void LinkEngine::searchUsb() {
    ++searchTries_;
    if (usbPresent_ && searchTries_ < UsbTries) {
        sendConnectRequest();
        host_.setPortLabel(UsbPortLabel);
        return;
    }
    transport_ = Transport::Serial;
    searchTries_ = 0;
}

void LinkEngine::searchSerial() {
    if (searchTries_ > lastPortIndex_ + 1 || host_.selectedSerialPort() < 0) {
        startTcpStage();
        return;
    }
    if (serial_.isOpen())
        serial_.close();
    const std::vector<std::string> names = host_.serialPortNames();
    const bool listed = static_cast<std::size_t>(searchTries_) < names.size();
    // Past the last entry the list has no selection and the tick is spent
    // on an empty name; the next one moves on to TCP.
    host_.selectSerialPort(listed ? searchTries_ : -1);
    serialPortName_ = listed ? names[static_cast<std::size_t>(searchTries_)] : std::string();
    host_.setPortLabel(serialPortName_);
    lastPortIndex_ = host_.selectedSerialPort();
    if (!serialPortName_.empty() && serial_.open(serialPortName_))
        sendConnectRequest();
    ++searchTries_;
}

void LinkEngine::startTcpStage() {
    searchTries_ = 0;
    transport_ = Transport::Tcp;
    host_.setPortLabel(NetworkPortLabel);
    if (!startTcpConnection()) {
        enterState(link_state::Failed);
        return;
    }
    sendConnectRequest();
}

void LinkEngine::searchTcp() {
    if (searchTries_ == 0) {
        host_.setPortLabel(NetworkPortLabel);
        if (!startTcpConnection()) {
            enterState(link_state::Failed);
            return;
        }
    }
    if (++searchTries_ < TcpTries) {
        sendConnectRequest();
        return;
    }
    searchTries_ = 0;
    enterState(link_state::Failed); // closes the connection
}

bool LinkEngine::startTcpConnection() {
    const TcpEndpoint endpoint = host_.tcpEndpoint();
    const std::optional<std::uint16_t> port = parsePort(endpoint.port);
    if (!port) {
        host_.addHistoryLine("TCP port \"" + endpoint.port +
                             "\" is not a whole number 1..65535: TCP skipped");
        return false;
    }
    tcpFramer_.reset(); // a new connection starts clean
    tcp_.start(endpoint.host, *port);
    return true;
}

} // namespace kdsp
