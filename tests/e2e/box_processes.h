#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kdsp::test {

// A kdsp-boxsim process on a free loopback port and a pseudo-terminal,
// logging the frames it receives; stopped with SIGTERM when it goes.
class BoxSimProcess {
public:
    explicit BoxSimProcess(const QStringList& extraArguments = {});
    ~BoxSimProcess();

    bool started() const { return !tcpEndpoint_.isEmpty(); }
    QString tcpEndpoint() const { return tcpEndpoint_; } // 127.0.0.1:PORT
    QString ptyPath() const { return ptyPath_; }
    // The frames received so far, one hex line each.
    QStringList loggedFrames() const;

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString tcpEndpoint_;
    QString ptyPath_;
};

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the kdsp command with `arguments`, waiting at most `timeoutMs`.
CliRun runKdsp(const QStringList& arguments, int timeoutMs = 120000);

} // namespace kdsp::test
