#include "link/host_port.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

TEST(HostPort, SplitsAtTheLastColon) {
    struct Case {
        const char* text;
        bool ok;
        const char* host;
        int port;
    } cases[] = {
        {"127.0.0.1:8899", true, "127.0.0.1", 8899},
        {"localhost:0", true, "localhost", 0},
        {"[::1]:65535", true, "::1", 65535},
        {"::1:80", true, "::1", 80},
        {"127.0.0.1", false, "", 0},
        {":8899", false, "", 0},
        {"[]:8899", false, "", 0},
        {"host:", false, "", 0},
        {"host:65536", false, "", 0},
        {"host:-1", false, "", 0},
        {"host:80x", false, "", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseHostPort(c.text);
        ASSERT_EQ(parsed.has_value(), c.ok) << c.text;
        if (parsed) {
            EXPECT_EQ(parsed->host, c.host) << c.text;
            EXPECT_EQ(parsed->port, c.port) << c.text;
        }
    }
}

} // namespace
} // namespace kdsp
