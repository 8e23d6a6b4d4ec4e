#include "link/qt/qt_serial_port.h"

#include <QSerialPortInfo>

namespace kdsp {

QtSerialPort::QtSerialPort(ReceiveHandler onReceived) : onReceived_(std::move(onReceived)) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        const QByteArray data = port_.readAll();
        if (onReceived_ && !data.isEmpty())
            onReceived_({reinterpret_cast<const std::uint8_t*>(data.constData()),
                         static_cast<std::size_t>(data.size())});
    });
}

bool QtSerialPort::open(const std::string& name) {
    close();
    port_.setPortName(QString::fromStdString(name));
    port_.setBaudRate(QSerialPort::Baud115200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    // Pseudo-terminals refuse the modem lines; that is not an open failure.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    return true;
}

void QtSerialPort::close() {
    if (port_.isOpen())
        port_.close();
}

bool QtSerialPort::write(ByteView bytes) {
    if (!port_.isOpen())
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    return port_.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
}

QStringList QtSerialPort::availablePortNames() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

} // namespace kdsp
