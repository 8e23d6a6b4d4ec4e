#include "cli/box_session.h"

#include "link/empty_hid_service.h"
#include "link/qt/hidapi_service.h"
#include "presets/device_modes.h"
#include "presets/engine_preset_link.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <ostream>

namespace kdsp::cli {

namespace {

// The command line already said yes.
class AgreeingPrompter : public Prompter {
public:
    void showMessage(std::string_view) override {}
    bool ask(std::string_view, std::string_view, QuestionButtons) override { return true; }
};

} // namespace

BoxSession::BoxSession(const BoxConnection& connection, std::ostream& progress)
    : connection_(connection), progress_(progress) {
    serial_ = std::make_unique<QtSerialPort>([this](ByteView b) { engine_->serialReceived(b); });
    tcp_ = std::make_unique<QtClientSocket>([this](ByteView b) { engine_->tcpReceived(b); });
    if (connection_.kind == BoxConnection::Kind::Usb) {
        hid_ = std::make_unique<HidapiService>(EngineHidEvents(engine_));
    } else {
        hid_ = std::make_unique<EmptyHidService>();
    }
    if (connection_.kind == BoxConnection::Kind::Serial)
        selectedPort_ = 0;
    timers_ = std::make_unique<LinkTimers>([this](LinkTimer timer) { engine_->tick(timer); });
    engine_ = std::make_unique<LinkEngine>(model_.store(), *this, *serial_, *tcp_, *hid_);
    sink_.engine = engine_.get();
}

BoxSession::~BoxSession() {
    // The engine talks to the transports and timers while it goes.
    engine_.reset();
}

template <typename Done> bool BoxSession::waitFor(Done done) {
    while (!done() && !failed_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !failed_;
}

bool BoxSession::connect() {
    // Over USB the first device scan starts the search by itself.
    if (connection_.kind != BoxConnection::Kind::Usb)
        engine_->pressLinkButton();
    return waitFor([this] { return engine_->online(); });
}

bool BoxSession::waitForQuietLink() {
    return waitFor([this] { return engine_->acknowledged() && engine_->queuedWrites() == 0; });
}

bool BoxSession::write(Tag tag, std::int32_t value) {
    model_.commitValue(tag, value);
    return waitForQuietLink();
}

bool BoxSession::recall(ModeList list, int index) {
    // A recall reloads only when it leaves at once, so wait for a quiet link.
    if (!waitForQuietLink())
        return false;
    const int onlineBefore = onlineCount_;
    const Tag tag = list == ModeList::System ? command::SystemModeRecall : command::HintModeRecall;
    model_.commitValue(tag, index);
    return waitFor([&] { return onlineCount_ > onlineBefore && engine_->online(); });
}

bool BoxSession::storeMode(ModeList list, int index, std::string_view name) {
    if (!waitForQuietLink())
        return false;
    AgreeingPrompter prompter;
    EnginePresetLink link(*engine_);
    DeviceModes modes(model_, engine_->texts(), prompter, link);
    if (!modes.store(list, index, name, Language::English))
        return false;
    return waitFor([this] { return engine_->followUp() == 0 && engine_->online(); });
}

bool BoxSession::upload(PresetKind kind, std::span<const PresetValue> values) {
    if (!waitForQuietLink())
        return false;
    ApplyPresetValues(values, model_.store());
    const int onlineBefore = onlineCount_;
    engine_->enterState(InfoOf(kind).uploadState);
    return waitFor([&] { return onlineCount_ > onlineBefore && engine_->online(); });
}

void BoxSession::close() {
    engine_->windowClosing();
    QCoreApplication::processEvents();
}

void BoxSession::startTimer(LinkTimer timer, int intervalMs) {
    timers_->start(timer, intervalMs);
}
void BoxSession::stopTimer(LinkTimer timer) {
    timers_->stop(timer);
}

void BoxSession::showLinkStatus(std::string_view, std::string_view english) {
    if (english != lastStatus_) {
        lastStatus_ = english;
        lastPercent_ = -1;
        progress_ << english << '\n';
    }
}

void BoxSession::updateStatusDialog(int percent, bool visible) {
    // One line per tenth is enough to see a transfer move.
    if (visible && percent / 10 != lastPercent_ / 10) {
        lastPercent_ = percent;
        progress_ << "  " << percent << "%\n";
    }
}

void BoxSession::setPortLabel(std::string_view text) {
    progress_ << "  trying " << text << '\n';
}

void BoxSession::showPrompt(std::string_view, std::string_view english) {
    progress_ << english << '\n';
    // A lost link and a failed search both end with this message.
    if (english == "Off Line!")
        failed_ = true;
}

void BoxSession::showMessage(std::string_view text) {
    progress_ << text << '\n';
}

std::vector<std::string> BoxSession::serialPortNames() {
    if (connection_.kind == BoxConnection::Kind::Serial)
        return {connection_.device};
    return {};
}

void BoxSession::selectSerialPort(int index) {
    selectedPort_ = index >= 0 && index < static_cast<int>(serialPortNames().size()) ? index : -1;
}

TcpEndpoint BoxSession::tcpEndpoint() {
    // Only the endpoint the user named is ever tried: an empty port skips
    // the TCP stage.
    if (connection_.kind == BoxConnection::Kind::Tcp)
        return {connection_.host, connection_.port};
    return {"", ""};
}

void BoxSession::addHistoryLine(std::string_view line) {
    progress_ << "  " << line << '\n';
}

} // namespace kdsp::cli
