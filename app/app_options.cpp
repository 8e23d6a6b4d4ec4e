#include "app/app_options.h"

#include <QCommandLineParser>

namespace kdsp {

std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.addOptions({
        {"demo", "Run against a simulated box on a free loopback port."},
        {"tcp", "Preset the box's TCP endpoint.", "host:port"},
        {"lang", "Start language: zh (default) or en.", "zh|en"},
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
    if (parser.isSet("tcp")) {
        const QString endpoint = parser.value("tcp");
        const qsizetype colon = endpoint.lastIndexOf(':');
        bool ok = false;
        const uint port = colon > 0 ? endpoint.mid(colon + 1).toUInt(&ok) : 0;
        if (!ok || port < 1 || port > 65535) {
            error = "--tcp needs HOST:PORT with a port 1..65535";
            return std::nullopt;
        }
        options.tcpHost = endpoint.left(colon);
        options.tcpPort = endpoint.mid(colon + 1);
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
