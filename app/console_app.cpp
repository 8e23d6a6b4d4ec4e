#include "app/console_app.h"

#include "app/console/console.h"
#include "app/controls/inputs.h"
#include "app/dialogs/comms_window.h"
#include "app/dialogs/message_prompter.h"
#include "app/dialogs/status_dialog.h"
#include "app/editors/editors.h"
#include "app/editors/engine_editor_link.h"
#include "app/graph/graph_controller.h"
#include "app/link/console_link_host.h"
#include "app/window/main_window.h"
#include "audio/qt/looped_wave_input.h"
#include "audio/qt/qt_wave_input.h"
#include "link/empty_hid_service.h"
#include "link/qt/hidapi_service.h"
#include "link/qt/qt_client_socket.h"
#include "link/qt/qt_serial_port.h"
#include "sim/qt/sim_server.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace kdsp {

namespace {

std::filesystem::path defaultPresetBase() {
    const auto path = [](const QString& text) { return PathFromUtf8(text.toStdString()); };
    return ChoosePresetBase(
        path(QCoreApplication::applicationDirPath()),
        path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
        [](const std::filesystem::path& folder) {
            return QFileInfo(QString::fromStdString(Utf8FromPath(folder))).isWritable();
        });
}

} // namespace

ConsoleApp::ConsoleApp(const AppOptions& options, ConsoleSeams seams) {
    auto hid = std::move(seams.hid);
    auto serialPorts = std::move(seams.serialPorts);
    QString host = options.tcpHost;
    QString port = options.tcpPort;
    if (options.demo) {
        demoBox_ = std::make_unique<SimServer>();
        if (demoBox_->listen()) {
            host = "127.0.0.1";
            port = QString::number(demoBox_->tcpPort());
        }
        if (!serialPorts)
            serialPorts = QStringList{};
        if (!hid)
            hid = std::make_unique<EmptyHidService>();
    }

    window_ = std::make_unique<MainWindow>();
    messageBoxes_ = std::make_unique<MessagePrompter>(window_.get());
    prompter_ = seams.prompter ? seams.prompter : messageBoxes_.get();
    console_ = std::make_unique<Console>(*window_, sink_, *prompter_);
    audioInput_ = std::move(seams.audioInput);
    if (!audioInput_ && !options.audioFile.isEmpty()) {
        auto file = audio::LoopedWaveInput::fromWavFile(options.audioFile.toStdString());
        // The console still runs; its spectrum switch then reports no input.
        if (!file->loadError().empty())
            qWarning("kdsp-console: cannot play %s: %s", qUtf8Printable(options.audioFile),
                     file->loadError().c_str());
        audioInput_ = std::move(file);
    }
    if (!audioInput_)
        audioInput_ = std::make_unique<audio::QtWaveInput>();
    graph_ = std::make_unique<GraphController>(*window_, *console_, *audioInput_);
    status_ = std::make_unique<StatusDialog>(window_.get());
    comms_ = std::make_unique<CommsWindow>([this] { engine_->startTcpConnection(); });
    host_ = std::make_unique<ConsoleLinkHost>(*console_, *window_, *status_, *comms_, *prompter_);

    serial_ = std::make_unique<QtSerialPort>([this](ByteView b) { engine_->serialReceived(b); });
    tcp_ = std::make_unique<QtClientSocket>([this](ByteView b) { engine_->tcpReceived(b); });
    if (hid) {
        hid_ = std::move(hid);
    } else {
        hid_ = std::make_unique<HidapiService>(EngineHidEvents(engine_));
        hidScansItself_ = true;
    }
    engine_ =
        std::make_unique<LinkEngine>(console_->model().store(), *host_, *serial_, *tcp_, *hid_);
    sink_.engine = engine_.get();
    host_->attach(*engine_);
    console_->setModeNameSource([this](int list, int index) {
        const auto& names =
            list == 0 ? engine_->texts().systemModeNames : engine_->texts().hintModeNames;
        return index >= 0 && index < ModesPerList ? names[static_cast<std::size_t>(index)]
                                                  : std::string();
    });

    if (auto* box = window_->control<ComboBox>("ComComboBox1")) {
        box->addItems(serialPorts ? *serialPorts : QtSerialPort::availablePortNames());
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    }
    if (!host.isEmpty()) {
        window_->control<Edit>("IPstrEdit")->setText(host);
        window_->control<Edit>("IPPortStrEdit")->setText(port);
    }

    auto* linkButton = window_->control<QPushButton>("LinkBtn");
    auto* unlinkButton = window_->control<QPushButton>("UnLinkBtn");
    QObject::connect(linkButton, &QPushButton::clicked, [this] { engine_->pressLinkButton(); });
    QObject::connect(unlinkButton, &QPushButton::clicked, [this] { engine_->pressUnlinkButton(); });
    QObject::connect(window_.get(), &MainWindow::closing, [this] { engine_->windowClosing(); });
    QObject::connect(console_.get(), &Console::languageChanged, [this](Language language) {
        const int code = language == Language::Chinese ? 1 : 0;
        status_->setLanguage(code);
        messageBoxes_->setCaption(code == 1 ? "提示" : "Confirm");
    });
    console_->start();
    editorLink_ = std::make_unique<EngineEditorLink>(*engine_);
    editors_ = std::make_unique<Editors>(
        *window_, *console_, *editorLink_, *prompter_,
        PresetFoldersUnder(seams.presetBase ? *seams.presetBase : defaultPresetBase()));
    if (options.language == 0)
        console_->switchLanguage();
}

ConsoleApp::~ConsoleApp() {
    // The editors watch the window's edits and act on the engine; the
    // engine talks to its host and transports until it is gone.
    editors_.reset();
    engine_.reset();
}

void ConsoleApp::show() {
    window_->show();
    // Without a HID service of the platform nothing scans by itself; the
    // first scan is what starts the search.
    if (!hidScansItself_)
        QTimer::singleShot(0, window_.get(), [this] { engine_->hidDevicesChanged(); });
}

} // namespace kdsp
