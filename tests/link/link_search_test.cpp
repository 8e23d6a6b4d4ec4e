#include "engine_rig.h"
#include "hex.h"
#include "link/link_state_texts.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

using test::Rig;

std::vector<std::string> repeated(int count, const std::string& line) {
    return std::vector<std::string>(static_cast<std::size_t>(count), line);
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string TcpFailed = "status Off Line, tcp close, prompt 连接失败!/Off Line!";

enum class Usb { None, Silent, Answering };

struct SearchCase {
    const char* name;
    Usb usb;
    std::vector<std::string> ports;
    std::string answeringPort; // "" for none
    bool tcpAnswers;
    std::string tcpPort;
    std::vector<std::string> ticks; // what each search tick did
    int transferInterval;           // 0 when the search fails
};

const SearchCase SearchCases[] = {
    {"USB box silent: nine requests a second apart, then the serial port",
     Usb::Silent,
     {"COM3"},
     "COM3",
     false,
     "8899",
     joined(repeated(9, "usb connect"),
            {"", "open COM3, COM3 connect", "status Linking..., COM3 read page 0 from 0"}),
     50},
    {"USB box answering",
     Usb::Answering,
     {"COM3"},
     "",
     false,
     "8899",
     {"usb connect", "status Linking..., usb read page 0 from 0"},
     50},
    {"no USB box and no serial port: TCP first, failing on its third tick",
     Usb::None,
     {},
     "",
     false,
     "8899",
     {"tcp start 127.0.0.1:8899, tcp connect", "tcp connect", TcpFailed},
     0},
    {"two silent serial ports one tick apart, an empty tick, then TCP failing on its fourth",
     Usb::None,
     {"COM1", "COM2"},
     "",
     false,
     "8899",
     {"open COM1, COM1 connect", "open COM2, COM2 connect", "",
      "tcp start 127.0.0.1:8899, tcp connect", "tcp start 127.0.0.1:8899, tcp connect",
      "tcp connect", TcpFailed},
     0},
    {"the box on the second serial port",
     Usb::None,
     {"COM1", "COM2"},
     "COM2",
     false,
     "8899",
     {"open COM1, COM1 connect", "open COM2, COM2 connect",
      "status Linking..., COM2 read page 0 from 0"},
     50},
    {"the box on TCP after a silent serial port",
     Usb::None,
     {"COM1"},
     "",
     true,
     "8899",
     {"open COM1, COM1 connect", "", "tcp start 127.0.0.1:8899, tcp connect",
      "status Linking..., tcp read page 0 from 0"},
     160},
    {"a TCP port text that is not a number skips the TCP stage",
     Usb::None,
     {},
     "",
     true,
     "88 99",
     {"history TCP port \"88 99\" is not a whole number 1..65535: TCP skipped, " + TcpFailed},
     0},
};

TEST(LinkSearch, TriesUsbThenEachSerialPortThenTcp) {
    for (const SearchCase& c : SearchCases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        if (c.usb != Usb::None) {
            BoxSimulator& box = rig.addBox(Transport::Usb);
            box.faults().setSilent(c.usb == Usb::Silent);
            rig.hid.devices.push_back({test::BoxDevice("usb"), &box});
        }
        std::map<std::string, BoxSimulator*> attached;
        if (!c.answeringPort.empty())
            attached[c.answeringPort] = &rig.addBox(Transport::Serial);
        rig.listPorts(c.ports, attached);
        if (c.tcpAnswers)
            rig.tcp.box = &rig.addBox(Transport::Tcp);
        rig.host.endpoint.port = c.tcpPort;

        rig.engine.hidDevicesChanged(); // the first scan starts the search
        EXPECT_TRUE(rig.engine.timerRunning(LinkTimer::Search));
        EXPECT_EQ(rig.host.status, "Search...");

        const auto ticks =
            rig.traceTicks(static_cast<int>(c.ticks.size()), [&] { rig.engine.searchTick(); });
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Search));
        EXPECT_EQ(rig.engine.timerRunning(LinkTimer::Transfer), c.transferInterval != 0);
        if (c.transferInterval != 0)
            EXPECT_EQ(rig.host.intervals[LinkTimer::Transfer], c.transferInterval);
        else
            EXPECT_EQ(rig.host.buttons, LinkButtonLook::Disconnected);
    }
}

TEST(LinkSearch, TcpPortMustBeAWholeNumberUpTo65535) {
    struct Case {
        const char* text;
        const char* started; // "" when nothing was started
    };
    const Case cases[] = {
        {"8899", "127.0.0.1:8899"},
        {" 8899 ", "127.0.0.1:8899"},
        {"1", "127.0.0.1:1"},
        {"65535", "127.0.0.1:65535"},
        {"0", ""},
        {"65536", ""},
        {"-1", ""},
        {"+80", ""},
        {"80a", ""},
        {"8.5", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Rig rig;
        rig.host.endpoint.port = c.text;
        const bool started = rig.engine.startTcpConnection();
        EXPECT_EQ(started, *c.started != '\0');
        EXPECT_EQ(rig.tcp.starts,
                  started ? std::vector<std::string>{c.started} : std::vector<std::string>{});
        EXPECT_EQ(rig.host.history.size(), started ? 0u : 1u);
    }
}

TEST(LinkSearch, LinkButtonDuringASearchStartsItAgain) {
    Rig rig;
    rig.listPorts({"COM1", "COM2"}, {});
    rig.engine.hidDevicesChanged();
    rig.searchTicks(2); // COM1, COM2
    rig.engine.pressLinkButton();
    EXPECT_EQ(rig.traceTicks(1, [&] { rig.engine.searchTick(); }),
              std::vector<std::string>{"open COM1, COM1 connect"});
}

// A user who retries expects the ports to be tried again, even though the
// failed search left the list without a selection.
TEST(LinkSearch, RetryAfterAFailedSearchTriesTheSerialPortsAgain) {
    Rig rig;
    rig.listPorts({"COM1"}, {});
    rig.engine.hidDevicesChanged();
    rig.searchTicks(6); // COM1, empty, three TCP ticks, failure
    ASSERT_EQ(rig.host.prompts, std::vector<std::string>{"连接失败!/Off Line!"});
    ASSERT_EQ(rig.host.selected, -1);

    rig.engine.pressLinkButton();
    EXPECT_EQ(rig.traceTicks(1, [&] { rig.engine.searchTick(); }),
              std::vector<std::string>{"open COM1, COM1 connect"});
}

TEST(LinkSearch, LinkButtonWhileOnlineDisconnects) {
    Rig rig;
    BoxSimulator& box = rig.boxOn(Transport::Serial);
    rig.linkUp();
    ASSERT_TRUE(rig.engine.online());
    box.clearReceivedFrames();

    rig.engine.pressLinkButton();

    EXPECT_FALSE(rig.engine.online());
    EXPECT_EQ(test::Describe(box.receivedFrames()), std::vector<std::string>{"disconnect"});
    for (LinkTimer timer : {LinkTimer::Search, LinkTimer::Transfer, LinkTimer::Pacing})
        EXPECT_FALSE(rig.engine.timerRunning(timer));
    EXPECT_EQ(rig.host.status, "Off Line");
    EXPECT_EQ(rig.host.buttons, LinkButtonLook::Disconnected);
    EXPECT_FALSE(rig.host.dialogVisible);
    EXPECT_TRUE(rig.serial.isOpen()); // the port stays open for the next search
}

TEST(LinkSearch, ClosingTheWindowSignsOffOnlyWhenOnline) {
    for (const bool online : {false, true}) {
        SCOPED_TRACE(online);
        Rig rig;
        BoxSimulator& box = rig.boxOn(Transport::Serial);
        if (online)
            rig.linkUp();
        box.clearReceivedFrames();
        rig.engine.windowClosing();
        EXPECT_EQ(test::Describe(box.receivedFrames()),
                  online ? std::vector<std::string>{"disconnect"} : std::vector<std::string>{});
        EXPECT_FALSE(rig.engine.online());
    }
}

TEST(LinkSearch, TcpBytesCountOnlyWhileTheTransportIsTcp) {
    Rig rig;
    rig.listPorts({"COM1"}, {});
    rig.engine.hidDevicesChanged();
    ASSERT_EQ(rig.engine.transport(), Transport::Serial);

    rig.engine.tcpReceived(test::hex("EE BB"));
    EXPECT_FALSE(rig.engine.answered());
    rig.engine.serialReceived(test::hex("EE"));
    rig.engine.serialReceived(test::hex("BB"));
    EXPECT_TRUE(rig.engine.answered());
}

} // namespace
} // namespace kdsp
