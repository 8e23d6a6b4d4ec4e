#include "cli/cli.h"
#include "run_cli.h"

#include <gtest/gtest.h>
#include <locale>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace kdsp::cli {
namespace {

using test::CliResult;
using test::runCli;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A locale writing "," for the decimal point, as many desktops do.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

CliResult RunWithCommaLocale(const std::vector<std::string>& args, const std::string& input) {
    const std::locale comma(std::locale::classic(), new CommaDecimal);
    std::istringstream in(input);
    std::ostringstream out, err;
    in.imbue(comma);
    out.imbue(comma);
    const int status = Run(args, {in, out, err});
    return {status, out.str(), err.str()};
}

TEST(ResponseCommand, PrintsEveryGridPointWithFourDecimals) {
    struct Case {
        std::vector<std::string> args;
        std::size_t gridPoint;
        const char* line;
    };
    const Case cases[] = {
        {{"response", "1", "1000", "1", "12"}, 273, "12.0000"},
        {{"response", "1", "1000", "1", "12"}, 253, "7.3133"},
        {{"response", "1", "1000", "1", "-12"}, 293, "-7.3133"},
        {{"response", "2", "994", "1", "12"}, 0, "12.0000"},
        {{"response", "203", "994", "0.5", "3"}, 462, "-98.7383"},
        {{"response", "0", "50", "1", "6"}, 100, "0.0000"},
    };
    const std::regex fourDecimals(R"(-?\d+\.\d{4})");
    for (const Case& c : cases) {
        for (const bool comma : {false, true}) {
            const CliResult result = comma ? RunWithCommaLocale(c.args, "") : runCli(c.args);
            ASSERT_EQ(result.status, ExitOk) << c.args[1];
            EXPECT_EQ(result.err, "");
            const std::vector<std::string> lines = Lines(result.out);
            ASSERT_EQ(lines.size(), 463u);
            EXPECT_EQ(lines[c.gridPoint], c.line) << c.args[1] << " " << c.args[2];
            for (const std::string& line : lines)
                ASSERT_TRUE(std::regex_match(line, fourDecimals)) << line;
        }
    }
}

TEST(ResponseCommand, UnknownCrossoverKindFails) {
    const CliResult result = runCli({"response", "213", "1000", "1", "0"});
    EXPECT_EQ(result.status, ExitFailed);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Lines(result.err).size(), 1u);
}

TEST(FftCommand, PrintsTheForwardTransform) {
    struct Case {
        std::string n;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {"4", "1 0\n0 0\n0 0\n0 0\n", "1 0\n1 0\n1 0\n1 0\n"},
        {"3", "1 0\n1 0\n1 0\n", "3 0\n0 0\n0 0\n"},
        {"2", "1.5 -2\n  0.25\t4\r\n", "1.75 2\n1.25 -6\n"},
        {"1", "0.1234567 -1e-7\n", "0.123457 -1e-07\n"},
        {"2", "1 0\n1 0\nextra lines are not read\n", "2 0\n0 0\n"},
        {"0", "", ""},
    };
    for (const Case& c : cases) {
        for (const bool comma : {false, true}) {
            const std::vector<std::string> args{"fft", c.n};
            const CliResult result =
                comma ? RunWithCommaLocale(args, c.input) : runCli(args, c.input);
            EXPECT_EQ(result.status, ExitOk) << c.input;
            EXPECT_EQ(result.out, c.output) << c.input;
            EXPECT_EQ(result.err, "");
        }
    }
}

TEST(FftCommand, LengthWithALargePrimeFactorFails) {
    const CliResult result = runCli({"fft", "7217"}, ""); // 7 x 1031
    EXPECT_EQ(result.status, ExitFailed);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kdsp: Prime factor for FFT length too large. Change value for "
                          "cMaxPrimeFactor in FFTs unit\n");
}

TEST(ResponseAndFftCommands, BadArgumentsExitWithUsageError) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
    };
    const Case cases[] = {
        {{"response"}, ""},
        {{"response", "1", "1000", "1"}, ""},
        {{"response", "1", "1000", "1", "12", "0"}, ""},
        {{"response", "peq", "1000", "1", "12"}, ""},
        {{"response", "1", "1000.5", "1", "12"}, ""},
        {{"response", "1", "4294967296", "1", "12"}, ""},
        {{"response", "1", "1000", "wide", "12"}, ""},
        {{"response", "1", "1000", "1", "nan"}, ""},
        {{"response", "1", "1000", "1", "1e300"}, ""},
        {{"fft"}, ""},
        {{"fft", "2", "2"}, ""},
        {{"fft", "-1"}, ""},
        {{"fft", "two"}, ""},
        {{"fft", "2"}, "1 0\n"},        // too few lines
        {{"fft", "2"}, "1 0\n1\n"},     // one number
        {{"fft", "2"}, "1 0\n1 0 0\n"}, // three numbers
        {{"fft", "1"}, "1,5 0\n"},      // decimal comma
        {{"fft", "1"}, "inf 0\n"},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli(c.args, c.input);
        std::string shown;
        for (const std::string& a : c.args)
            shown += a + " ";
        EXPECT_EQ(result.status, ExitBadUsage) << shown;
        EXPECT_EQ(result.out, "") << shown;
        EXPECT_EQ(Lines(result.err).size(), 1u) << shown << ": " << result.err;
    }
}

} // namespace
} // namespace kdsp::cli
