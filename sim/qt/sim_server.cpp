#include "sim/qt/sim_server.h"

#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace kdsp {

namespace {

ByteView asBytes(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size())};
}

QByteArray asQBytes(const Bytes& data) {
    return QByteArray(reinterpret_cast<const char*>(data.data()),
                      static_cast<qsizetype>(data.size()));
}

} // namespace

SimServer::SimServer(QObject* parent) : QObject(parent) {}

SimServer::~SimServer() {
    if (ptyKeepAlive_ >= 0)
        ::close(ptyKeepAlive_);
    if (ptyMaster_ >= 0)
        ::close(ptyMaster_);
}

bool SimServer::listen(quint16 port) {
    return listen(QHostAddress::LocalHost, port);
}

bool SimServer::listen(const QHostAddress& address, quint16 port) {
    tcp_ = new QTcpServer(this);
    if (!tcp_->listen(address, port)) {
        error_ = tcp_->errorString();
        return false;
    }
    connect(tcp_, &QTcpServer::newConnection, this, &SimServer::acceptConnections);
    return true;
}

quint16 SimServer::tcpPort() const {
    return tcp_ ? tcp_->serverPort() : 0;
}

void SimServer::acceptConnections() {
    while (QTcpSocket* socket = tcp_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serveTcp(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SimServer::serveTcp(QTcpSocket* socket) {
    feed("tcp", socket->readAll(), socket);
}

bool SimServer::openPseudoTerminal() {
    ptyMaster_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (ptyMaster_ < 0 || ::grantpt(ptyMaster_) != 0 || ::unlockpt(ptyMaster_) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ptyName_ = QString::fromLocal8Bit(::ptsname(ptyMaster_));
    ptyKeepAlive_ = ::open(::ptsname(ptyMaster_), O_RDWR | O_NOCTTY);
    if (ptyKeepAlive_ >= 0) {
        // Raw from the start: no echo of the box's replies back into its input.
        termios mode{};
        ::tcgetattr(ptyKeepAlive_, &mode);
        ::cfmakeraw(&mode);
        ::tcsetattr(ptyKeepAlive_, TCSANOW, &mode);
    }
    ::fcntl(ptyMaster_, F_SETFL, ::fcntl(ptyMaster_, F_GETFL) | O_NONBLOCK);
    ptyNotifier_ = new QSocketNotifier(ptyMaster_, QSocketNotifier::Read, this);
    connect(ptyNotifier_, &QSocketNotifier::activated, this, &SimServer::servePty);
    return true;
}

void SimServer::servePty() {
    char buffer[512];
    const ssize_t count = ::read(ptyMaster_, buffer, sizeof buffer);
    if (count > 0)
        feed("serial", QByteArray(buffer, static_cast<qsizetype>(count)), nullptr);
}

void SimServer::feed(const QString& endpoint, const QByteArray& bytes, QTcpSocket* replyTo) {
    const std::size_t before = box_.receivedFrames().size();
    box_.receive(asBytes(bytes));
    const auto& frames = box_.receivedFrames();
    for (std::size_t i = before; i < frames.size(); ++i)
        emit frameReceived(endpoint, asQBytes(frames[i]));

    for (const Bytes& chunk : box_.takeOutput()) {
        if (replyTo) {
            replyTo->write(asQBytes(chunk));
        } else if (ptyMaster_ >= 0) {
            const ssize_t written = ::write(ptyMaster_, chunk.data(), chunk.size());
            (void)written; // a console that stopped reading just misses replies
        }
    }
}

} // namespace kdsp
