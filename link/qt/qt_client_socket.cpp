#include "link/qt/qt_client_socket.h"

namespace kdsp {

QtClientSocket::QtClientSocket(ReceiveHandler onReceived) : onReceived_(std::move(onReceived)) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] {
        const QByteArray data = socket_.readAll();
        if (onReceived_ && !data.isEmpty())
            onReceived_({reinterpret_cast<const std::uint8_t*>(data.constData()),
                         static_cast<std::size_t>(data.size())});
    });
}

void QtClientSocket::start(const std::string& host, std::uint16_t port) {
    close();
    socket_.connectToHost(QString::fromStdString(host), port);
}

void QtClientSocket::close() {
    socket_.abort();
}

void QtClientSocket::send(ByteView bytes) {
    if (socket_.state() != QAbstractSocket::ConnectedState)
        return;
    socket_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

} // namespace kdsp
