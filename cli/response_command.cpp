#include "cli/cli.h"
#include "dsp/band_response.h"
#include "dsp/response_grid.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>

namespace kdsp::cli {

namespace {

bool ParseInt32(const std::string& text, int& value) {
    long long wide = 0;
    if (!ParseInt(text, wide) || wide < std::numeric_limits<int>::min() ||
        wide > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(wide);
    return true;
}

bool ParseSingle(const std::string& text, float& value) {
    double wide = 0.0;
    if (!ParseNumber(text, wide) || !std::isfinite(wide) ||
        std::fabs(wide) > std::numeric_limits<float>::max())
        return false;
    value = static_cast<float>(wide);
    return true;
}

// Four decimals with "." whatever the locale.
void PrintDb(std::ostream& out, float db) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, db, std::chars_format::fixed, 4);
    out.write(text, end - text);
    out << '\n';
}

} // namespace

int RunResponseCommand(Args args, Streams io) {
    if (args.size() != 4)
        return BadUsage(io, "response expects TYPE FREQ Q GAIN");
    int type = 0;
    if (!ParseInt32(args[0], type))
        return BadUsage(io, "TYPE must be a band type code (1, 2, 3, 100+k, 200+k), not '" +
                                args[0] + "'");
    int hz = 0;
    if (!ParseInt32(args[1], hz))
        return BadUsage(io, "FREQ must be a whole number of hertz, not '" + args[1] + "'");
    float q = 0.0f;
    if (!ParseSingle(args[2], q))
        return BadUsage(io, "Q must be a number, not '" + args[2] + "'");
    float gain = 0.0f;
    if (!ParseSingle(args[3], gain))
        return BadUsage(io, "GAIN must be a number of decibels, not '" + args[3] + "'");

    dsp::ResponseCurve curve{};
    if (!dsp::ComputeBandResponse(curve, hz, type, q, gain)) {
        io.err << "kdsp: response: type " << type << " is a crossover of an unknown kind\n";
        return ExitFailed;
    }
    for (const float db : curve)
        PrintDb(io.out, db);
    return ExitOk;
}

} // namespace kdsp::cli
