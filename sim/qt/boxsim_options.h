#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>

namespace kdsp {

struct BoxSimOptions {
    QString host = "127.0.0.1";
    quint16 port = 8899;
    bool allowRemote = false;
    bool pty = false;
    QString logFile;
    QString stateFile;
    std::size_t dropEvery = 0;
    std::size_t corruptEvery = 0;
    std::size_t cutEvery = 0;
    bool split = false;
    bool coalesce = false;
    std::size_t silentAfter = 0; // frames received; 0 never
};

// Parses kdsp-boxsim's arguments (program name first). On a mistake returns
// nothing and sets `error` to one line saying what is wrong.
std::optional<BoxSimOptions> ParseBoxSimOptions(const QStringList& arguments, QString& error);

} // namespace kdsp
