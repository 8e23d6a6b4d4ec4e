#include "app/app_options.h"

#include "link/host_port.h"

#include <QCommandLineParser>

namespace kdsp {

std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.addOptions({
        {"demo", "Run against a simulated box on a free loopback port."},
        {"tcp", "Preset the box's TCP endpoint.", "host:port"},
        {"lang", "Start language: zh (default) or en.", "zh|en"},
        {"audio-file", "Loop a WAV file as the sound input of the spectrum.", "FILE.wav"},
    });
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = "unexpected argument '" + parser.positionalArguments().first() + "'";
        return std::nullopt;
    }
    AppOptions options;
    options.demo = parser.isSet("demo");
    options.audioFile = parser.value("audio-file");
    if (parser.isSet("tcp")) {
        const auto endpoint = ParseHostPort(parser.value("tcp").toStdString());
        if (!endpoint || endpoint->port < 1) {
            error = "--tcp needs HOST:PORT with a port 1..65535";
            return std::nullopt;
        }
        options.tcpHost = QString::fromStdString(endpoint->host);
        options.tcpPort = QString::number(endpoint->port);
    }
    if (parser.isSet("lang")) {
        const QString lang = parser.value("lang");
        if (lang != "zh" && lang != "en") {
            error = "--lang takes zh or en";
            return std::nullopt;
        }
        options.language = lang == "zh" ? 1 : 0;
    }
    return options;
}

} // namespace kdsp
