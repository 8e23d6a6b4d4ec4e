#pragma once

#include "link/transports.h"

#include <QSerialPort>
#include <QStringList>
#include <functional>

namespace kdsp {

// The box's serial line on QSerialPort: 115200 8N1, DTR and RTS on, no flow
// control. Received bytes are handed on as they arrive, on the UI thread.
class QtSerialPort : public SerialPort {
public:
    using ReceiveHandler = std::function<void(ByteView)>;

    explicit QtSerialPort(ReceiveHandler onReceived);

    bool open(const std::string& name) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    bool write(ByteView bytes) override;

    // The serial ports the system reports, by name.
    static QStringList availablePortNames();

private:
    QSerialPort port_;
    ReceiveHandler onReceived_;
};

} // namespace kdsp
