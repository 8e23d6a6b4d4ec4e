#pragma once

#include "link/link_engine.h"
#include "link/qt/link_timers.h"
#include "link/qt/qt_client_socket.h"
#include "link/qt/qt_serial_port.h"
#include "model/parameter_model.h"
#include "presets/preset_reader.h"

#include <QObject>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace kdsp::cli {

// How `kdsp box` reaches the box.
struct BoxConnection {
    enum class Kind { Tcp, Serial, Usb } kind = Kind::Tcp;
    std::string host;   // Tcp
    std::string port;   // Tcp, as typed
    std::string device; // Serial
};

// The link engine under a Qt event loop with the console's surroundings
// replaced by progress lines on stderr: one session connects, downloads and
// then runs the caller's action while online.
class BoxSession : public LinkHost {
public:
    BoxSession(const BoxConnection& connection, std::ostream& progress);
    ~BoxSession() override;

    // Searches, links and downloads. True once online; false when the link
    // failed (the box's English message is then on the progress stream).
    bool connect();
    // Sends one write and waits until the box has acknowledged it.
    bool write(Tag tag, std::int32_t value);
    // Recalls a mode and waits for the reload to finish.
    bool recall(ModeList list, int index);
    // Names the box's current setup as a mode and waits for the box.
    bool storeMode(ModeList list, int index, std::string_view name);
    // Puts a preset file's values into the console's store, uploads the
    // pages of its kind and waits until the link is back online.
    bool upload(PresetKind kind, std::span<const PresetValue> values);
    // Sends the sign-off.
    void close();

    const ParameterStore& store() const { return model_.store(); }
    const LinkTexts& texts() const { return engine_->texts(); }

    // LinkHost
    void startTimer(LinkTimer timer, int intervalMs) override;
    void stopTimer(LinkTimer timer) override;
    void showLinkStatus(std::string_view chinese, std::string_view english) override;
    void setLinkLabelColour(Rgb) override {}
    void setLinkButtons(LinkButtonLook) override {}
    void updateStatusDialog(int percent, bool visible) override;
    void setPortLabel(std::string_view text) override;
    void showPrompt(std::string_view chinese, std::string_view english) override;
    void showMessage(std::string_view text) override;
    void linkOnline() override { ++onlineCount_; }
    void rebuildModeBoxes(ModeList, const std::array<std::string, ModesPerList>&) override {}
    void showStoredValue(Tag, std::int32_t) override {}
    void setDeviceIdCaption(std::string_view) override {}
    std::vector<std::string> serialPortNames() override;
    int selectedSerialPort() override { return selectedPort_; }
    void selectSerialPort(int index) override;
    TcpEndpoint tcpEndpoint() override;
    void addHistoryLine(std::string_view line) override;
    void showDeviceList(const std::vector<std::string>&) override {}

private:
    // Runs the event loop until `done` holds or the link has failed.
    template <typename Done> bool waitFor(Done done);
    bool waitForQuietLink();

    // The model commits through the engine, which is built after it.
    struct EngineSink : CommitSink {
        LinkEngine* engine = nullptr;
        void sendParameter(Tag tag, std::int32_t value) override {
            engine->sendParameter(tag, value);
        }
    };
    struct NoObserver : ModelObserver {
        void musicInputGainEnabled(bool) override {}
        void refreshRequested(int) override {}
    };

    BoxConnection connection_;
    std::ostream& progress_;
    EngineSink sink_;
    NoObserver observer_;
    ParameterModel model_{sink_, observer_};
    int selectedPort_ = -1;
    int onlineCount_ = 0;
    bool failed_ = false;
    int lastPercent_ = -1;
    std::string lastStatus_;

    std::unique_ptr<QtSerialPort> serial_;
    std::unique_ptr<QtClientSocket> tcp_;
    std::unique_ptr<HidService> hid_;
    std::unique_ptr<LinkTimers> timers_;
    std::unique_ptr<LinkEngine> engine_;
};

} // namespace kdsp::cli
