#include "cli/cli.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace kdsp::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunKdsp(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, {in, out, err});
    return {status, out.str(), err.str()};
}

TEST(ValueCommand, PrintsOneLine) {
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"value", "format", "2", "204"}, "1000Hz\n"},
        {{"value", "format", "6", "361"}, "20200Hz\n"}, // limited first
        {{"value", "format", "4", "100"}, "128.00\n"},  // band type 0 takes the full Q range
        {{"value", "format", "22", "1"}, "-10dB\n"},
        {{"value", "format", "3", "-5"}, "-24.0dB\n"},
        {{"value", "format", "0", "7"}, "\n"},
        {{"value", "parse", "4", "500"}, "101\n"}, // not limited
        {{"value", "parse", "2", "1010"}, "204\n"},
        {{"value", "parse", "3", "-23.5"}, "2\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunKdsp(c.args);
        EXPECT_EQ(outcome.status, ExitOk) << c.args[1] << ' ' << c.args[2] << ' ' << c.args[3];
        EXPECT_EQ(outcome.out, c.out) << c.args[1] << ' ' << c.args[2] << ' ' << c.args[3];
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(ValueCommand, BadArgumentsExitWithUsageError) {
    const std::vector<std::string> cases[] = {
        {"value"},
        {"value", "show", "2", "204"},
        {"value", "format", "2"},
        {"value", "format", "2", "204", "5"},
        {"value", "format", "29", "0"},
        {"value", "format", "-1", "0"},
        {"value", "format", "x", "0"},
        {"value", "format", "2", "1.5"},
        {"value", "format", "2", "4294967296"},
        {"value", "parse", "2"},
        {"value", "parse", "2", "abc"},
        {"value", "parse", "2", "nan"},
        {"value", "parse", "2", "1,5"},
    };
    for (const auto& args : cases) {
        const Outcome outcome = RunKdsp(args);
        std::string joined;
        for (const auto& arg : args)
            joined += arg + ' ';
        EXPECT_EQ(outcome.status, ExitBadUsage) << joined;
        EXPECT_EQ(outcome.out, "") << joined;
        ASSERT_FALSE(outcome.err.empty()) << joined;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << joined;
    }
}

} // namespace
} // namespace kdsp::cli
