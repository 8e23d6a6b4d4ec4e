#include "app/link/console_link_host.h"

#include "app/console/console.h"
#include "app/controls/inputs.h"
#include "app/controls/labels.h"
#include "app/dialogs/comms_window.h"
#include "app/dialogs/status_dialog.h"
#include "app/window/main_window.h"
#include "presets/prompter.h"

namespace kdsp {

namespace {

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

ConsoleLinkHost::ConsoleLinkHost(Console& console, MainWindow& window, StatusDialog& status,
                                 CommsWindow& comms, Prompter& prompter)
    : console_(console), window_(window), status_(status), comms_(comms), prompter_(prompter),
      timers_([this](LinkTimer timer) {
          if (engine_)
              engine_->tick(timer);
      }) {}

void ConsoleLinkHost::showLinkStatus(std::string_view chinese, std::string_view english) {
    console_.showLinkStatus(chinese, english);
}

void ConsoleLinkHost::setLinkLabelColour(Rgb colour) {
    if (auto* label = window_.control<PlainLabel>("LinkLabel")) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
        label->setPalette(palette);
    }
}

void ConsoleLinkHost::setLinkButtons(LinkButtonLook look) {
    console_.setLinkButtonsConnected(look == LinkButtonLook::Connected);
}

void ConsoleLinkHost::updateStatusDialog(int percent, bool visible) {
    const auto* label = window_.control<PlainLabel>("LinkLabel");
    status_.setStatus(label ? label->text() : QString(), percent);
    if (visible && !status_.isVisible())
        status_.show();
    else if (!visible && status_.isVisible())
        status_.hide();
}

void ConsoleLinkHost::setPortLabel(std::string_view text) {
    status_.setPortLabel(qtext(text));
}

void ConsoleLinkHost::showPrompt(std::string_view chinese, std::string_view english) {
    console_.showPrompt(chinese, english);
}

void ConsoleLinkHost::showMessage(std::string_view text) {
    prompter_.showMessage(text);
}

void ConsoleLinkHost::linkOnline() {
    console_.refreshAfterDownload();
    window_.show();
}

void ConsoleLinkHost::rebuildModeBoxes(ModeList list,
                                       const std::array<std::string, ModesPerList>&) {
    // The boxes read their names from the link's texts, where the store
    // already named the mode just saved.
    console_.rebuildModeList(list == ModeList::System ? 0 : 1);
}

void ConsoleLinkHost::showStoredValue(Tag tag, std::int32_t value) {
    console_.showStoredValue(tag, value);
}

void ConsoleLinkHost::setDeviceIdCaption(std::string_view id) {
    if (auto* label = window_.control<PlainLabel>("DeviceIDLabel"))
        label->setText(qtext(id));
}

std::vector<std::string> ConsoleLinkHost::serialPortNames() {
    std::vector<std::string> names;
    if (auto* box = window_.control<ComboBox>("ComComboBox1"))
        for (int i = 0; i < box->count(); ++i)
            names.push_back(box->itemText(i).toStdString());
    return names;
}

int ConsoleLinkHost::selectedSerialPort() {
    const auto* box = window_.control<ComboBox>("ComComboBox1");
    return box ? box->currentIndex() : -1;
}

void ConsoleLinkHost::selectSerialPort(int index) {
    if (auto* box = window_.control<ComboBox>("ComComboBox1"))
        box->setCurrentIndex(index < box->count() ? index : -1);
}

TcpEndpoint ConsoleLinkHost::tcpEndpoint() {
    const auto* host = window_.control<Edit>("IPstrEdit");
    const auto* port = window_.control<Edit>("IPPortStrEdit");
    return {host ? host->text().trimmed().toStdString() : std::string(),
            port ? port->text().toStdString() : std::string()};
}

void ConsoleLinkHost::addHistoryLine(std::string_view line) {
    comms_.addHistoryLine(qtext(line));
}

void ConsoleLinkHost::showDeviceList(const std::vector<std::string>& lines) {
    comms_.showDeviceList(lines);
}

} // namespace kdsp
