#include "run_cli.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

using test::runCli;

struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
};

const Case Cases[] = {
    {{"frame", "write", "30", "48", "17"}, 0, "F5 C0 06 B7 1E 30 11 00 0B\n"},
    {{"frame", "read", "30", "16", "48"}, 0, "F5 C0 06 B0 1E 10 30 00 03\n"},
    {{"frame", "write", "3", "16", "65535"}, 0, "F5 C0 06 B7 03 10 FF FF BD\n"},
    // The connect request stores nothing.
    {{"frame", "decode", "F5", "C0", "06", "B7", "1E", "30", "11", "00", "0B"}, 0, ""},
    {{"frame", "decode", "F5", "C0", "08", "B0", "03", "10", "34", "12", "78", "56", "CC"},
     0,
     "3:16=4660\n3:17=22136\n"},
    {{"frame", "decode", "--transport", "usb", "f5", "c0", "06", "b0", "03", "10", "00", "00", "b8",
      "00", "00"},
     0,
     "3:16=0\n"},
    {{"frame", "decode", "--transport", "tcp", "EE", "BB"}, 0, "ack\n"},
    {{"frame", "decode", "EE", "BB", "F5", "C0", "06", "B0", "05", "07", "09", "00", "BA"},
     0,
     "ack\n5:7=9\n"},
    {{"frame", "decode", "--transport", "usb", "F5", "C0", "10", "B0", "30", "00", "00", "00",
      "00",    "00",     "00",          "00",  "00", "00", "00", "00", "09", "00", "DE"},
     0,
     "status 9\n"},
    {{"frame", "decode", "F5", "C0", "08", "B0", "1E", "40", "0A", "BC", "12", "EF", "CA"},
     0,
     "device id 0ABC12EF\n"},
    {{"frame", "decode", "F5", "C0", "08", "B0", "1E", "05", "31", "32", "33", "34", "92"},
     0,
     "password 1234\n"},
    {{"frame", "decode", "F5", "C0", "08", "B0", "03", "10", "34", "12", "78", "56", "CD"},
     1,
     "frame lost\n"},
    {{"frame", "decode", "--transport", "usb", "F5", "C0", "08", "B0", "03"}, 1, "frame lost\n"},
    {{"frame", "decode", "F5", "C0", "08", "B0", "03"}, 1, "frame lost\n"},
};

TEST(FrameCommand, PrintsFramesAndDecodedBlocks) {
    for (const auto& c : Cases) {
        const auto result = runCli(c.args);
        EXPECT_EQ(result.status, c.status) << c.args[1] << " " << result.err;
        EXPECT_EQ(result.out, c.out) << c.args[1];
    }
}

TEST(FrameCommand, BadArgumentsSayWhatIsWrong) {
    const std::vector<std::vector<std::string>> bad = {
        {"frame"},
        {"frame", "send"},
        {"frame", "write", "30", "48"},
        {"frame", "write", "30", "48", "17", "1"},
        {"frame", "write", "256", "0", "0"},
        {"frame", "write", "x", "0", "0"},
        {"frame", "read", "0", "0", "65536"},
        {"frame", "write", "0", "-1", "0"},
        {"frame", "decode"},
        {"frame", "decode", "--transport", "can", "EE"},
        {"frame", "decode", "--transport"},
        {"frame", "decode", "F5C0"},
        {"frame", "decode", "G5"},
        {"bogus"},
        {},
    };
    for (const auto& args : bad) {
        const auto result = runCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST(Cli, HelpNamesEveryCommand) {
    const auto result = runCli({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* word : {"value format", "value parse", "frame write", "frame read",
                             "frame decode", "response", "fft"})
        EXPECT_NE(result.out.find(word), std::string::npos) << word;
}

} // namespace
} // namespace kdsp
