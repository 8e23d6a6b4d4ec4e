#include "cli/cli.h"
#include "model/value_scales.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace kdsp::cli {

namespace {

bool ParseKind(const std::string& text, int& kind) {
    long long value = 0;
    if (!ParseInt(text, value) || value < 0 || value >= ValueKindCount)
        return false;
    kind = static_cast<int>(value);
    return true;
}

int FormatCommand(Args args, Streams io) {
    if (args.size() != 2)
        return BadUsage(io, "value format expects KIND INDEX");
    int kind = 0;
    if (!ParseKind(args[0], kind))
        return BadUsage(io, "KIND must be an integer 0..28, not '" + args[0] + "'");
    long long index = 0;
    if (!ParseInt(args[1], index) || index < std::numeric_limits<int>::min() ||
        index > std::numeric_limits<int>::max())
        return BadUsage(io, "INDEX must be a 32-bit integer, not '" + args[1] + "'");

    const int limited = LimitValue(kind, static_cast<int>(index), ValueContext{});
    io.out << FormatValue(kind, limited) << '\n';
    return ExitOk;
}

int ParseCommand(Args args, Streams io) {
    if (args.size() != 2)
        return BadUsage(io, "value parse expects KIND NUMBER");
    int kind = 0;
    if (!ParseKind(args[0], kind))
        return BadUsage(io, "KIND must be an integer 0..28, not '" + args[0] + "'");
    double number = 0.0;
    if (!ParseNumber(args[1], number) || !std::isfinite(number))
        return BadUsage(io, "NUMBER must be a finite decimal number, not '" + args[1] + "'");

    io.out << std::to_string(ParseValue(kind, number)) << '\n';
    return ExitOk;
}

} // namespace

int RunValueCommand(Args args, Streams io) {
    if (args.empty())
        return BadUsage(io, "value expects a sub-command: format or parse");
    const std::string& sub = args[0];
    if (sub == "format")
        return FormatCommand(args.subspan(1), io);
    if (sub == "parse")
        return ParseCommand(args.subspan(1), io);
    return BadUsage(io, "unknown value sub-command '" + sub + "'; expected format or parse");
}

} // namespace kdsp::cli
