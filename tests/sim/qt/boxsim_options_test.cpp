#include "sim/qt/boxsim_options.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

QStringList args(std::initializer_list<const char*> words) {
    QStringList list{"kdsp-boxsim"};
    for (const char* w : words)
        list << w;
    return list;
}

TEST(BoxSimOptions, AcceptsEndpointsAndFaults) {
    QString error;
    auto defaults = ParseBoxSimOptions(args({}), error);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->host, "127.0.0.1");
    EXPECT_EQ(defaults->port, 8899);
    EXPECT_FALSE(defaults->pty);

    auto chosen = ParseBoxSimOptions(
        args({"--tcp", "[::1]:0", "--pty", "--drop-every", "5", "--split", "--silent-after", "20"}),
        error);
    ASSERT_TRUE(chosen) << error.toStdString();
    EXPECT_EQ(chosen->host, "::1");
    EXPECT_EQ(chosen->port, 0);
    EXPECT_TRUE(chosen->pty);
    EXPECT_EQ(chosen->dropEvery, 5u);
    EXPECT_TRUE(chosen->split);
    EXPECT_EQ(chosen->silentAfter, 20u);

    auto remote = ParseBoxSimOptions(args({"--tcp", "192.168.1.20:8899", "--allow-remote"}), error);
    ASSERT_TRUE(remote);
    EXPECT_EQ(remote->host, "192.168.1.20");
}

TEST(BoxSimOptions, RefusesMistakes) {
    const QStringList bad[] = {
        args({"--tcp", "192.168.1.20:8899"}), // not loopback
        args({"--tcp", "127.0.0.1"}),         // no port
        args({"--tcp", "127.0.0.1:70000"}),
        args({"--drop-every", "0"}),
        args({"--cut-every", "x"}),
        args({"--bogus"}),
        args({"extra"}),
    };
    for (const auto& list : bad) {
        QString error;
        EXPECT_FALSE(ParseBoxSimOptions(list, error)) << list.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
} // namespace kdsp
