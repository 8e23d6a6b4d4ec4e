#include "link/frame_decoder.h"
#include "link/stream_framer.h"
#include "sim/qt/sim_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

namespace kdsp {
namespace {

struct Collector : FramerListener {
    std::vector<std::string> seen;
    void frameReceived(ByteView frame) override { seen.push_back(FormatHex(frame)); }
    void acknowledgeReceived() override { seen.push_back("ack"); }
};

// Runs the event loop until `done` holds or two seconds pass.
template <typename Done> bool pumpUntil(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

QByteArray qbytes(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

const std::string ConnectAnswer[] = {"ack", "F5 C0 08 B0 1E 40 12 A4 5C 07 1C"};

TEST(SimServer, AnswersAConnectRequestOverLoopbackTcp) {
    SimServer server;
    ASSERT_TRUE(server.listen());
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    ASSERT_TRUE(pumpUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }));

    Collector collector;
    StreamFramer framer(collector);
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        const QByteArray data = socket.readAll();
        framer.feed({reinterpret_cast<const std::uint8_t*>(data.constData()),
                     static_cast<std::size_t>(data.size())});
    });
    socket.write(qbytes(BuildValueFrame(CommandWrite, command::Connection, command::ConnectValue)));

    ASSERT_TRUE(pumpUntil([&] { return collector.seen.size() >= 2; }));
    EXPECT_EQ(collector.seen,
              std::vector<std::string>(std::begin(ConnectAnswer), std::end(ConnectAnswer)));
}

TEST(SimServer, AnswersOnItsPseudoTerminal) {
    SimServer server;
    ASSERT_TRUE(server.openPseudoTerminal());
    const int fd = ::open(server.pseudoTerminalName().toLocal8Bit().constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios mode{};
    ::tcgetattr(fd, &mode);
    ::cfmakeraw(&mode);
    ::tcsetattr(fd, TCSANOW, &mode);

    const Bytes request = BuildValueFrame(CommandWrite, command::Connection, command::ConnectValue);
    ASSERT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));

    Collector collector;
    StreamFramer framer(collector);
    pumpUntil([&] {
        std::uint8_t buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            framer.feed({buffer, static_cast<std::size_t>(n)});
        return collector.seen.size() >= 2;
    });
    ::close(fd);
    EXPECT_EQ(collector.seen,
              std::vector<std::string>(std::begin(ConnectAnswer), std::end(ConnectAnswer)));
}

} // namespace
} // namespace kdsp

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
