#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace kdsp::cli {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Exit statuses of the `kdsp` command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;   // the command ran and reports a failure
inline constexpr int ExitBadUsage = 2; // the arguments were wrong

using Args = std::span<const std::string>;
using Command = int (*)(Args, Streams);

// Runs `kdsp` with its arguments (program name excluded). `box` runs the
// box command; builds without Qt have none.
int Run(Args args, Streams io, Command box = nullptr);

int RunValueCommand(Args args, Streams io);
int RunFrameCommand(Args args, Streams io);
int RunResponseCommand(Args args, Streams io);
int RunFftCommand(Args args, Streams io);
int RunPresetCommand(Args args, Streams io);

// Reports a usage error on stderr and returns ExitBadUsage.
int BadUsage(Streams io, const std::string& message);

// Parses a whole decimal integer; false on anything else.
bool ParseInt(const std::string& text, long long& value);
// Parses a whole number in the C locale; false on anything else.
bool ParseNumber(const std::string& text, double& value);

} // namespace kdsp::cli
