#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kdsp {

struct AppOptions {
    bool demo = false; // a simulated box on a free loopback port
    QString tcpHost;   // --tcp: preset endpoint (empty: the window's default)
    QString tcpPort;
    int language = 1;  // 1 Chinese, 0 English
    QString audioFile; // --audio-file: a WAV file looped as the sound input
};

// Parses kdsp-console's arguments (program name first); on a mistake returns
// nothing with `error` saying what is wrong in one line.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString& error);

} // namespace kdsp
