#include "sim/qt/boxsim_options.h"

#include "link/host_port.h"

#include <QCommandLineParser>

namespace kdsp {

namespace {

bool count(const QCommandLineParser& parser, const QString& name, std::size_t& value,
           QString& error) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const qulonglong n = parser.value(name).toULongLong(&ok);
    if (!ok || n == 0) {
        error = "--" + name + " needs a whole number above 0";
        return false;
    }
    value = static_cast<std::size_t>(n);
    return true;
}

bool isLoopback(const QString& host) {
    if (host == "localhost")
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

std::optional<BoxSimOptions> ParseBoxSimOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.addOptions({
        {"tcp", "Serve TCP on HOST:PORT (default 127.0.0.1:8899; port 0 picks a free one).",
         "host:port"},
        {"allow-remote", "Allow a --tcp host that is not loopback."},
        {"pty", "Also serve on a pseudo-terminal and print its path."},
        {"log", "Append one line per received frame to FILE.", "file"},
        {"state", "Load the box's memory from FILE and save it there on exit.", "file"},
        {"drop-every", "Drop every N-th reply.", "n"},
        {"corrupt-every", "Corrupt the checksum of every N-th reply.", "n"},
        {"cut-every", "Cut every N-th reply two bytes short.", "n"},
        {"split", "Send replies a byte at a time (serial and TCP)."},
        {"coalesce", "Send all pending replies as one write (serial and TCP)."},
        {"silent-after", "Stop answering after N received frames.", "n"},
    });
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = "unexpected argument '" + parser.positionalArguments().first() + "'";
        return std::nullopt;
    }

    BoxSimOptions options;
    if (parser.isSet("tcp")) {
        const auto endpoint = ParseHostPort(parser.value("tcp").toStdString());
        if (!endpoint) {
            error = "--tcp needs HOST:PORT with a port 0..65535";
            return std::nullopt;
        }
        options.host = QString::fromStdString(endpoint->host);
        options.port = static_cast<quint16>(endpoint->port);
    }
    options.allowRemote = parser.isSet("allow-remote");
    if (!options.allowRemote && !isLoopback(options.host)) {
        error = "refusing to serve on " + options.host + ": not loopback (use --allow-remote)";
        return std::nullopt;
    }
    options.pty = parser.isSet("pty");
    options.logFile = parser.value("log");
    options.stateFile = parser.value("state");
    options.split = parser.isSet("split");
    options.coalesce = parser.isSet("coalesce");
    if (!count(parser, "drop-every", options.dropEvery, error) ||
        !count(parser, "corrupt-every", options.corruptEvery, error) ||
        !count(parser, "cut-every", options.cutEvery, error) ||
        !count(parser, "silent-after", options.silentAfter, error))
        return std::nullopt;
    return options;
}

} // namespace kdsp
