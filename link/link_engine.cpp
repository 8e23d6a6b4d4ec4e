#include "link/link_engine.h"

#include "link/link_state_texts.h"

namespace kdsp {

namespace {

constexpr int PitchSlot = 3;

} // namespace

LinkEngine::LinkEngine(ParameterStore& store, LinkHost& host, SerialPort& serial, ClientSocket& tcp,
                       HidService& hid)
    : store_(store), host_(host), serial_(serial), tcp_(tcp), hid_(hid) {}

void LinkEngine::DecoderHooks::pitchChanged(std::int32_t pitch) {
    engine_.host_.showStoredValue(makeTag(PageMusic, PitchSlot), pitch);
}

void LinkEngine::StreamHooks::acknowledgeReceived() {
    engine_.boxAnswered();
    engine_.transfer_.setPhase(TransferPhase::Acknowledged);
}

// --- Commands ---------------------------------------------------------------

void LinkEngine::pressLinkButton() {
    if (online_)
        disconnect();
    else
        connect();
}

void LinkEngine::pressUnlinkButton() {
    disconnect();
}

void LinkEngine::windowClosing() {
    if (online_)
        sendValueFrame(
            BuildValueFrame(CommandWrite, command::Connection, command::DisconnectValue));
    online_ = false;
}

void LinkEngine::connect() {
    answered_ = false;
    searchTries_ = 0;
    linkUpStage_ = 0;
    sendingSuppressed_ = false;
    serialFramer_.reset();

    // A retry tries the serial ports again, even after a search that ran past
    // the last of them and left the list without a selection.
    const bool havePorts = !host_.serialPortNames().empty();
    if (havePorts)
        host_.selectSerialPort(0);
    transport_ = usbPresent_ ? Transport::Usb : (havePorts ? Transport::Serial : Transport::Tcp);

    startTimer(LinkTimer::Search, SearchIntervalMs);
    host_.setLinkButtons(LinkButtonLook::Connected);
    stopTimer(LinkTimer::Transfer);
    stopTimer(LinkTimer::Pacing);
    transfer_.abandon();
    queue_.clear();

    showStatusText(SearchingStatus.chinese, SearchingStatus.english);
    transfer_.setProgress(0, BulkTransfer::FullEnd);
    showDialog(true);
}

void LinkEngine::disconnect() {
    online_ = false;
    host_.setLinkButtons(LinkButtonLook::Disconnected);
    stopTimer(LinkTimer::Search);
    stopTimer(LinkTimer::Transfer);
    stopTimer(LinkTimer::Pacing);
    transfer_.abandon();

    sendValueFrame(BuildValueFrame(CommandWrite, command::Connection, command::DisconnectValue));

    showStatusText(OffLineStatus.chinese, OffLineStatus.english);
    transfer_.setProgress(transfer_.step(), BulkTransfer::FullUploadEnd);
    showDialog(false);
}

// --- Receiving --------------------------------------------------------------

void LinkEngine::serialReceived(ByteView bytes) {
    serialFramer_.feed(bytes);
}

void LinkEngine::tcpReceived(ByteView bytes) {
    if (transport_ == Transport::Tcp)
        tcpFramer_.feed(bytes);
}

void LinkEngine::streamFrame(Transport transport, ByteView frame) {
    decoder_.decode(transport, frame);
    // Over serial every frame, a status reply included, leaves the transfer
    // phase at data; over TCP the decoder sets the phase by what it read.
    if (transport == Transport::Serial)
        transfer_.setPhase(TransferPhase::Data);
}

void LinkEngine::boxAnswered() {
    answered_ = true;
    acknowledged_ = true;
}

// --- Sending ----------------------------------------------------------------

void LinkEngine::sendValueFrame(ByteView frame) {
    switch (transport_) {
    case Transport::Usb:
        sendUsb(frame);
        break;
    case Transport::Serial:
        // A lost value frame shows as a missing acknowledge.
        if (serial_.isOpen())
            serial_.write(frame);
        break;
    case Transport::Tcp:
        tcp_.send(frame);
        break;
    }
}

void LinkEngine::sendBlockFrame(ByteView frame) {
    switch (transport_) {
    case Transport::Usb:
        sendUsb(frame);
        break;
    case Transport::Serial:
        if (serial_.isOpen() && !serial_.write(frame))
            host_.addHistoryLine("WRITE ERROR: serial port " + serialPortName_);
        break;
    case Transport::Tcp:
        tcp_.send(frame);
        break;
    }
}

void LinkEngine::sendConnectRequest() {
    sendValueFrame(BuildValueFrame(CommandWrite, command::Connection, command::ConnectValue));
}

void LinkEngine::sendTextCommand(Tag address, std::string_view text) {
    sendBlockFrame(BuildTextCommand(address, text));
}

// --- Timers and the status display ------------------------------------------

void LinkEngine::startTimer(LinkTimer timer, int intervalMs) {
    TimerState& state = timers_[index(timer)];
    if (state.running && state.intervalMs == intervalMs)
        return;
    state = {true, intervalMs};
    host_.startTimer(timer, intervalMs);
}

void LinkEngine::stopTimer(LinkTimer timer) {
    TimerState& state = timers_[index(timer)];
    if (!state.running)
        return;
    state.running = false;
    host_.stopTimer(timer);
}

void LinkEngine::timersForTransfer() {
    stopTimer(LinkTimer::Search);
    startTimer(LinkTimer::Transfer, transferIntervalMs_);
    stopTimer(LinkTimer::Pacing);
}

void LinkEngine::showDialog(bool visible) {
    host_.updateStatusDialog(transfer_.percent(), visible);
}

void LinkEngine::showStatusText(std::string_view chinese, std::string_view english) {
    host_.showLinkStatus(chinese, english);
}

void LinkEngine::showStatus(std::string_view chinese, std::string_view english) {
    showStatusText(chinese, english);
    showDialog(true);
}

// --- State entries ----------------------------------------------------------

void LinkEngine::startTransfer(TransferKind kind, bool restartClock) {
    transfer_.start(kind, transport_, restartClock);
}

bool LinkEngine::enterState(int code) {
    switch (code) {
    case link_state::Online:
        enterOnline();
        return true;
    case link_state::Loading:
        timersForTransfer();
        showStatusText(LoadingStatus.chinese, LoadingStatus.english);
        online_ = false;
        startTransfer(TransferKind::FullDownload, false);
        return true;
    case link_state::SystemModeStored:
        enterModeStored(ModeList::System);
        return true;
    case link_state::Linking:
        timersForTransfer();
        showStatusText(LinkingStatus.chinese, LinkingStatus.english);
        online_ = false;
        host_.setLinkLabelColour(LinkingColour);
        startTransfer(TransferKind::FullDownload, true);
        return true;
    case link_state::PasswordChanged:
        host_.showPrompt(PasswordChangedMessage.chinese, PasswordChangedMessage.english);
        return true;
    case link_state::UploadAll:
    case link_state::UploadHintPages:
        if (!online_)
            return true;
        timersForTransfer();
        showStatusText(UploadingStatus.chinese, UploadingStatus.english);
        online_ = false;
        startTransfer(code == link_state::UploadAll ? TransferKind::FullUpload
                                                    : TransferKind::PartialUpload,
                      false);
        return true;
    case link_state::LinkLost:
        enterOffLine(true);
        host_.showPrompt(LinkLostMessage.chinese, LinkLostMessage.english);
        return true;
    case link_state::Failed:
        enterOffLine(false);
        tcp_.close();
        host_.showPrompt(LinkFailedMessage.chinese, LinkFailedMessage.english);
        return true;
    case link_state::LoadingHintPages:
        timersForTransfer();
        showStatusText(LoadingStatus.chinese, LoadingStatus.english);
        online_ = false;
        startTransfer(TransferKind::PartialDownload, false);
        return true;
    case link_state::HintModeStored:
        enterModeStored(ModeList::Hint);
        return true;
    default:
        return false;
    }
}

void LinkEngine::enterOnline() {
    // Reading the output mode and refreshing the console is the host's part.
    if (linkUpStage_ == 0)
        linkUpStage_ = 1;
    host_.linkOnline();
    online_ = true;
    host_.setLinkLabelColour(OnlineColour);
    host_.setLinkButtons(LinkButtonLook::Connected);
    showStatusText(OnlineStatus.chinese, OnlineStatus.english);
    showDialog(false);
    startTimer(LinkTimer::Pacing, PacingIntervalMs);
}

void LinkEngine::enterModeStored(ModeList list) {
    host_.rebuildModeBoxes(list, texts_.names(list));
    online_ = true;
    showStatusText(OnlineStatus.chinese, OnlineStatus.english);
    host_.setLinkLabelColour(OnlineColour);
    // The store put up the dialog with "Saving..."; the box has answered.
    showDialog(false);
    host_.showPrompt(SaveSuccessMessage.chinese, SaveSuccessMessage.english);
}

void LinkEngine::enterOffLine(bool linkLost) {
    stopTimer(LinkTimer::Transfer);
    stopTimer(LinkTimer::Search);
    transfer_.abandon();
    sendingSuppressed_ = false;
    if (linkLost) {
        // A lost link must not go on sending what is left in the queue.
        stopTimer(LinkTimer::Pacing);
        online_ = false;
    }
    host_.setLinkButtons(LinkButtonLook::Disconnected);
    showStatusText(OffLineStatus.chinese, OffLineStatus.english);
    host_.setLinkLabelColour(OffLineColour);
    showDialog(false);
}

void LinkEngine::tick(LinkTimer timer) {
    switch (timer) {
    case LinkTimer::Search:
        searchTick();
        break;
    case LinkTimer::Transfer:
        transferTick();
        break;
    case LinkTimer::Pacing:
        pacingTick();
        break;
    }
}

} // namespace kdsp
