#pragma once

#include "link/transports.h"

#include <QTcpSocket>
#include <functional>

namespace kdsp {

// The box's TCP link on QTcpSocket. Socket errors are silent: the search
// simply hears no answer. Received bytes are handed on as they arrive.
class QtClientSocket : public ClientSocket {
public:
    using ReceiveHandler = std::function<void(ByteView)>;

    explicit QtClientSocket(ReceiveHandler onReceived);

    void start(const std::string& host, std::uint16_t port) override;
    void close() override;
    void send(ByteView bytes) override;

private:
    QTcpSocket socket_;
    ReceiveHandler onReceived_;
};

} // namespace kdsp
