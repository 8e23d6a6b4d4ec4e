#pragma once

#include "link/bulk_transfer.h"
#include "link/frame_codec.h"
#include "link/frame_decoder.h"
#include "link/link_host.h"
#include "link/link_texts.h"
#include "link/stream_framer.h"
#include "link/transports.h"
#include "link/write_pacing.h"
#include "model/parameter_model.h"
#include "model/parameter_store.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kdsp {

// Codes of LinkEngine::enterState(); the mode and preset commands use the
// same numbers.
namespace link_state {
inline constexpr int Online = 1;
inline constexpr int Loading = 2;          // full download after a system mode recall
inline constexpr int SystemModeStored = 3; // rebuild the list, "Save Success!"
inline constexpr int Linking = 4;          // full download after the handshake
inline constexpr int PasswordChanged = 5;
inline constexpr int UploadAll = 6; // only when online
inline constexpr int LinkLost = 7;
inline constexpr int UploadHintPages = 8; // only when online
inline constexpr int Failed = 9;
inline constexpr int LoadingHintPages = 22; // pages 22..24 after a hint mode recall
inline constexpr int HintModeStored = 23;
} // namespace link_state

inline constexpr int SearchIntervalMs = 1000;
inline constexpr int TransferIntervalMs = 50;
inline constexpr int TcpTransferIntervalMs = 160;
inline constexpr int PacingIntervalMs = 20;

// The console's link to the box: finds it over USB, the listed serial ports
// and TCP; makes the handshake; runs the bulk transfers; paces single
// writes and keeps the link alive. Everything happens inside the entry
// points below, called on the user-interface thread; the engine never
// sleeps and never reads a clock. Its timers belong to the host, which
// calls the matching tick while a timer runs (ticks that arrive while the
// engine has its timer stopped are ignored).
class LinkEngine : public CommitSink {
public:
    // `store` is the console's image of the box: replies are written into
    // it and uploads read from it. Nothing is sent or asked of the host here.
    LinkEngine(ParameterStore& store, LinkHost& host, SerialPort& serial, ClientSocket& tcp,
               HidService& hid);

    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // --- Commands -----------------------------------------------------------
    // LinkBtn: starts a search when off line (again from the start when one
    // runs), disconnects when online.
    void pressLinkButton();
    // UnLinkBtn: disconnects, sending the disconnect notice.
    void pressUnlinkButton();
    // The main window closes: a linked box gets the disconnect notice.
    void windowClosing();
    // Starts the TCP connection to the endpoint on screen (also TcpBtn).
    // False, with a history line, when the port text is not a whole number
    // 1..65535; nothing is started then.
    bool startTcpConnection();

    // --- Ticks --------------------------------------------------------------
    // The tick of `timer`, for hosts that drive all three alike.
    void tick(LinkTimer timer);
    void searchTick();   // every SearchIntervalMs
    void transferTick(); // every TransferIntervalMs, TcpTransferIntervalMs over TCP
    void pacingTick();   // every PacingIntervalMs

    // --- Received -----------------------------------------------------------
    // Serial bytes always reach the decoder; TCP bytes only while the link's
    // transport is TCP. Both may be split or joined anywhere.
    void serialReceived(ByteView bytes);
    void tcpReceived(ByteView bytes);
    // A device arrived or left: rescan, and start or leave the link.
    void hidDevicesChanged();
    // One input report, without its report ID byte. Only the selected box is heard.
    void hidReportReceived(const std::string& deviceId, ByteView data);
    void hidReadError(std::string_view message, std::uint32_t code);
    void hidRemoved(const HidDeviceInfo& device);

    // --- Writes -------------------------------------------------------------
    // A committed change: sent at once when the box has answered the last
    // write, queued otherwise; dropped while off line or while sending is
    // suppressed. An immediate recall or store of a mode arms its follow-up.
    void sendParameter(Tag storeTag, std::int32_t value) override;
    // As sendParameter, then waits for the box as if a write were outstanding.
    void sendParameterAndClearAcknowledged(Tag storeTag, std::int32_t value);
    // A command-page text command (BuildTextCommand), sent at once.
    void sendTextCommand(Tag address, std::string_view text);
    // The state (link_state) to enter at the first pacing tick after the box
    // has acknowledged.
    void armFollowUp(int code);
    // LinkLabel and the status dialog, shown.
    void showStatus(std::string_view chinese, std::string_view english);
    // Off line with no missed polls: stop polling and wait for the box to
    // acknowledge the command just sent.
    void awaitAcknowledgement();

    // Runs a state entry; false for a code that is none of link_state.
    bool enterState(int code);

    // --- Flags the console's refresh uses -----------------------------------
    bool sendingSuppressed() const { return sendingSuppressed_; }
    void setSendingSuppressed(bool on) { sendingSuppressed_ = on; }
    // 0 after the connect command, 1 after the first link-up; the refresh
    // moves it to 2 once it has asked for the device password.
    int linkUpStage() const { return linkUpStage_; }
    void setLinkUpStage(int stage) { linkUpStage_ = stage; }

    // --- State --------------------------------------------------------------
    bool online() const { return online_; }
    Transport transport() const { return transport_; }
    bool usbPresent() const { return usbPresent_; }
    bool answered() const { return answered_; }
    bool acknowledged() const { return acknowledged_; }
    int followUp() const { return followUp_; }
    std::size_t queuedWrites() const { return queue_.size(); }
    bool timerRunning(LinkTimer timer) const { return timers_[index(timer)].running; }
    TransferPhase transferPhase() const { return transfer_.phase(); }
    int transferPercent() const { return transfer_.percent(); }

    // Names, password, system code and device ID as the box sent them; the
    // mode commands also name a mode here ahead of the box.
    LinkTexts& texts() { return texts_; }
    const LinkTexts& texts() const { return texts_; }

private:
    // The decoder's and framers' view of the engine.
    class DecoderHooks : public DecoderEvents {
    public:
        explicit DecoderHooks(LinkEngine& engine) : engine_(engine) {}
        void acknowledged() override { engine_.boxAnswered(); }
        void setTransferPhase(TransferPhase phase) override { engine_.transfer_.setPhase(phase); }
        void frameLost() override { engine_.transfer_.markFrameLost(); }
        void showMessage(std::string_view text) override { engine_.host_.showMessage(text); }
        void pitchChanged(std::int32_t pitch) override;
        void deviceIdReceived(std::string_view id) override {
            engine_.host_.setDeviceIdCaption(id);
        }
        std::optional<int> outstandingNameRequest(ModeList list) const override {
            return engine_.transfer_.outstandingName(list);
        }

    private:
        LinkEngine& engine_;
    };

    class StreamHooks : public FramerListener {
    public:
        StreamHooks(LinkEngine& engine, Transport transport)
            : engine_(engine), transport_(transport) {}
        void frameReceived(ByteView frame) override { engine_.streamFrame(transport_, frame); }
        void acknowledgeReceived() override;

    private:
        LinkEngine& engine_;
        Transport transport_;
    };

    class TransportSink : public FrameSink {
    public:
        explicit TransportSink(LinkEngine& engine) : engine_(engine) {}
        void sendValueFrame(ByteView frame) override { engine_.sendValueFrame(frame); }
        void sendBlockFrame(ByteView frame) override { engine_.sendBlockFrame(frame); }

    private:
        LinkEngine& engine_;
    };

    struct TimerState {
        bool running = false;
        int intervalMs = 0;
    };

    static constexpr std::size_t index(LinkTimer timer) { return static_cast<std::size_t>(timer); }

    // link_engine.cpp
    void connect();
    void disconnect();
    void boxAnswered();
    void streamFrame(Transport transport, ByteView frame);
    void startTimer(LinkTimer timer, int intervalMs);
    void stopTimer(LinkTimer timer);
    void timersForTransfer();
    void startTransfer(TransferKind kind, bool restartClock);
    void showDialog(bool visible);
    void showStatusText(std::string_view chinese, std::string_view english);
    void enterOnline();
    void enterModeStored(ModeList list);
    void enterOffLine(bool linkLost);
    void sendValueFrame(ByteView frame);
    void sendBlockFrame(ByteView frame);
    void sendConnectRequest();

    // link_search.cpp
    void searchUsb();
    void searchSerial();
    void searchTcp();
    void startTcpStage();

    // hid_scan.cpp
    void sendUsb(ByteView frame);

    ParameterStore& store_;
    LinkHost& host_;
    SerialPort& serial_;
    ClientSocket& tcp_;
    HidService& hid_;

    DecoderHooks decoderHooks_{*this};
    StreamHooks serialHooks_{*this, Transport::Serial};
    StreamHooks tcpHooks_{*this, Transport::Tcp};
    TransportSink sink_{*this};
    LinkTexts texts_;
    FrameDecoder decoder_{store_, texts_, decoderHooks_};
    StreamFramer serialFramer_{serialHooks_};
    StreamFramer tcpFramer_{tcpHooks_};
    BulkTransfer transfer_{store_, sink_};
    WriteQueue queue_;
    std::array<TimerState, 3> timers_{};

    Transport transport_ = Transport::Usb;
    bool usbPresent_ = false;
    bool usbMissSeen_ = false;
    std::optional<HidDeviceInfo> selectedDevice_;
    std::string serialPortName_;
    bool answered_ = false;
    bool acknowledged_ = false;
    bool online_ = false;
    bool sendingSuppressed_ = false;
    int followUp_ = 0;
    int searchTries_ = 0;
    int lastPortIndex_ = -1;
    int pollTicks_ = 0;
    int missedPolls_ = 0;
    int linkUpStage_ = 0;
    int transferIntervalMs_ = TransferIntervalMs;
};

} // namespace kdsp
