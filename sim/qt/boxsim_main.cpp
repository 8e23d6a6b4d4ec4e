// kdsp-boxsim: a simulated box on 127.0.0.1 TCP and a pseudo-terminal, for
// running the console and tests without hardware.
#include "link/frame_codec.h"
#include "sim/qt/sim_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kdsp-boxsim");

    QCommandLineParser parser;
    parser.setApplicationDescription("A simulated box on 127.0.0.1 TCP and a pseudo-terminal.");
    parser.addHelpOption();
    QCommandLineOption portOption({"p", "port"}, "TCP port on 127.0.0.1 (0 picks a free one).",
                                  "port", "0");
    QCommandLineOption logOption({"l", "log"}, "Print every frame the box receives.");
    parser.addOption(portOption);
    parser.addOption(logOption);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        err << "kdsp-boxsim: --port must be a whole number 0..65535\n";
        return 2;
    }

    kdsp::SimServer server;
    if (!server.listen(static_cast<quint16>(port))) {
        err << "kdsp-boxsim: cannot listen on 127.0.0.1:" << port << ": " << server.errorString()
            << '\n';
        return 1;
    }
    if (!server.openPseudoTerminal()) {
        err << "kdsp-boxsim: cannot open a pseudo-terminal: " << server.errorString() << '\n';
        return 1;
    }
    out << "tcp 127.0.0.1:" << server.tcpPort() << '\n'
        << "serial " << server.pseudoTerminalName() << '\n';
    out.flush();

    if (parser.isSet(logOption)) {
        QObject::connect(&server, &kdsp::SimServer::frameReceived,
                         [&out](const QString& endpoint, const QByteArray& frame) {
                             const auto* data =
                                 reinterpret_cast<const std::uint8_t*>(frame.constData());
                             out << endpoint << ' '
                                 << QString::fromStdString(kdsp::FormatHex(
                                        {data, static_cast<std::size_t>(frame.size())}))
                                 << '\n';
                             out.flush();
                         });
    }
    return app.exec();
}
