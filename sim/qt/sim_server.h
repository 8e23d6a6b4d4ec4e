#pragma once

#include "sim/box_simulator.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QHostAddress;
class QSocketNotifier;
class QTcpServer;
class QTcpSocket;

namespace kdsp {

// Serves one simulated box on 127.0.0.1 TCP and on a pseudo-terminal, on the
// Qt event loop. Replies go back on the endpoint whose bytes caused them.
class SimServer : public QObject {
    Q_OBJECT
public:
    explicit SimServer(QObject* parent = nullptr);
    ~SimServer() override;

    // Listens on `address` (loopback unless the caller decided otherwise);
    // port 0 picks a free port. False on failure, with errorString() saying why.
    bool listen(const QHostAddress& address, quint16 port = 0);
    bool listen(quint16 port = 0);
    quint16 tcpPort() const;

    // Opens a pseudo-terminal whose device name a serial port can open.
    bool openPseudoTerminal();
    QString pseudoTerminalName() const { return ptyName_; }

    QString errorString() const { return error_; }

    BoxSimulator& box() { return box_; }

signals:
    // A well-formed frame the box received, and where from ("tcp", "serial").
    void frameReceived(const QString& endpoint, const QByteArray& frame);

private:
    void acceptConnections();
    void serveTcp(QTcpSocket* socket);
    void servePty();
    void feed(const QString& endpoint, const QByteArray& bytes, QTcpSocket* replyTo);

    BoxSimulator box_{Transport::Tcp};
    QTcpServer* tcp_ = nullptr;
    int ptyMaster_ = -1;
    int ptyKeepAlive_ = -1; // our own slave handle, so the master never reads EIO
    QString ptyName_;
    QSocketNotifier* ptyNotifier_ = nullptr;
    QString error_;
};

} // namespace kdsp
