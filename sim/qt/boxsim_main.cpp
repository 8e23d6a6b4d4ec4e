// kdsp-boxsim: a simulated box on loopback TCP and optionally a
// pseudo-terminal, for running the console and tests without hardware.
#include "link/frame_codec.h"
#include "sim/box_state_file.h"
#include "sim/qt/boxsim_options.h"
#include "sim/qt/sim_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}

// SIGINT and SIGTERM end the event loop, so the state is saved on the way out.
void quitOnSignals(QCoreApplication& app) {
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe);
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

QString hexOf(const QByteArray& frame) {
    return QString::fromStdString(
        kdsp::FormatHex({reinterpret_cast<const std::uint8_t*>(frame.constData()),
                         static_cast<std::size_t>(frame.size())}));
}

bool loadState(kdsp::BoxSimulator& box, const QString& path, QTextStream& err) {
    QFile file(path);
    if (!file.exists())
        return true; // first run: the file is written on exit
    if (!file.open(QIODevice::ReadOnly)) {
        err << "kdsp-boxsim: cannot read " << path << ": " << file.errorString() << '\n';
        return false;
    }
    std::string error;
    if (!kdsp::LoadBoxState(box, file.readAll().toStdString(), error)) {
        err << "kdsp-boxsim: " << path << ": " << QString::fromStdString(error) << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kdsp-boxsim");
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const auto options = kdsp::ParseBoxSimOptions(app.arguments(), error);
    if (!options) {
        err << "kdsp-boxsim: " << error << '\n';
        return 2;
    }

    kdsp::SimServer server;
    kdsp::BoxSimulator& box = server.box();
    if (!options->stateFile.isEmpty() && !loadState(box, options->stateFile, err))
        return 1;
    box.faults().dropEvery(options->dropEvery);
    box.faults().corruptEvery(options->corruptEvery);
    box.faults().cutEvery(options->cutEvery, 2);
    box.faults().splitOutput(options->split ? 1 : 0);
    box.faults().coalesceOutput(options->coalesce);

    QHostAddress address(options->host == "localhost" ? QString("127.0.0.1") : options->host);
    if (address.isNull()) {
        const QHostInfo info = QHostInfo::fromName(options->host);
        if (!info.addresses().isEmpty())
            address = info.addresses().first();
    }
    if (!server.listen(address, options->port)) {
        err << "kdsp-boxsim: cannot listen on " << options->host << ':' << options->port << ": "
            << server.errorString() << '\n';
        return 1;
    }
    if (options->pty && !server.openPseudoTerminal()) {
        err << "kdsp-boxsim: cannot open a pseudo-terminal: " << server.errorString() << '\n';
        return 1;
    }

    QFile log(options->logFile);
    if (!options->logFile.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        err << "kdsp-boxsim: cannot write " << options->logFile << ": " << log.errorString()
            << '\n';
        return 1;
    }
    std::size_t framesSeen = 0;
    QObject::connect(&server, &kdsp::SimServer::frameReceived,
                     [&](const QString&, const QByteArray& frame) {
                         if (log.isOpen()) {
                             log.write((hexOf(frame) + '\n').toLatin1());
                             log.flush();
                         }
                         if (options->silentAfter && ++framesSeen >= options->silentAfter)
                             box.faults().setSilent(true);
                     });

    out << "tcp " << address.toString() << ':' << server.tcpPort() << '\n';
    if (options->pty)
        out << "pty " << server.pseudoTerminalName() << '\n';
    out.flush();

    quitOnSignals(app);
    const int status = app.exec();

    if (!options->stateFile.isEmpty()) {
        QFile state(options->stateFile);
        if (!state.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            err << "kdsp-boxsim: cannot save " << options->stateFile << ": " << state.errorString()
                << '\n';
            return 1;
        }
        state.write(QByteArray::fromStdString(kdsp::SaveBoxState(box)));
    }
    return status;
}
