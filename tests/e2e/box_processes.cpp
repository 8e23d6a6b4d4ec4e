#include "box_processes.h"

#include <QFile>

namespace kdsp::test {

BoxSimProcess::BoxSimProcess(const QStringList& extraArguments) {
    QStringList arguments{"--tcp", "127.0.0.1:0", "--pty", "--log", dir_.filePath("frames.log")};
    arguments << extraArguments;
    process_.start(KDSP_BOXSIM_PATH, arguments);
    if (!process_.waitForStarted(5000))
        return;
    // The endpoints come first, one line each.
    QString tcp, pty;
    while ((tcp.isEmpty() || pty.isEmpty()) && process_.waitForReadyRead(5000)) {
        while (process_.canReadLine()) {
            const QString line = QString::fromUtf8(process_.readLine()).trimmed();
            if (line.startsWith("tcp "))
                tcp = line.mid(4);
            else if (line.startsWith("pty "))
                pty = line.mid(4);
        }
    }
    ptyPath_ = pty;
    tcpEndpoint_ = pty.isEmpty() ? QString() : tcp;
}

BoxSimProcess::~BoxSimProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
}

QStringList BoxSimProcess::loggedFrames() const {
    QFile log(dir_.filePath("frames.log"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

CliRun runKdsp(const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(KDSP_CLI_PATH, arguments);
    CliRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = "timed out";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace kdsp::test
