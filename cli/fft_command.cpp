#include "cli/cli.h"
#include "dsp/complex.h"
#include "dsp/fft.h"
#include "dsp/fft_factors.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <vector>

namespace kdsp::cli {

namespace {

// Long enough for any use of the command, short enough never to exhaust memory.
constexpr long long MaxLength = 1 << 24;

bool ParseSample(const std::string& text, float& value) {
    double wide = 0.0;
    if (!ParseNumber(text, wide) || !std::isfinite(wide) ||
        std::fabs(wide) > std::numeric_limits<float>::max())
        return false;
    value = static_cast<float>(wide);
    return true;
}

// A line of exactly two numbers separated by blanks.
bool ParseLine(const std::string& line, dsp::Complex& value) {
    std::istringstream words(line);
    std::string re, im, extra;
    return static_cast<bool>(words >> re >> im) && !(words >> extra) && ParseSample(re, value.re) &&
           ParseSample(im, value.im);
}

// Six significant digits with "." whatever the locale.
void PrintNumber(std::ostream& out, float value) {
    char text[64];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    out.write(text, end - text);
}

} // namespace

int RunFftCommand(Args args, Streams io) {
    if (args.size() != 1)
        return BadUsage(io, "fft expects N");
    long long n = 0;
    if (!ParseInt(args[0], n) || n < 0 || n > MaxLength)
        return BadUsage(io, "N must be a whole number 0.." + std::to_string(MaxLength) + ", not '" +
                                args[0] + "'");
    const auto length = static_cast<std::size_t>(n);
    dsp::FftPlan plan(length);
    if (!plan.admissible()) {
        io.err << "kdsp: " << dsp::PrimeFactorTooLargeMessage << '\n';
        return ExitFailed;
    }

    std::vector<dsp::Complex> samples(length);
    std::string line;
    for (std::size_t i = 0; i < length; ++i) {
        if (!std::getline(io.in, line))
            return BadUsage(io, "fft expects " + std::to_string(length) + " lines on stdin, got " +
                                    std::to_string(i));
        if (!ParseLine(line, samples[i]))
            return BadUsage(io, "fft: line " + std::to_string(i + 1) +
                                    " must be two numbers \"re im\", not '" + line + "'");
    }

    plan.transform(samples, samples);
    for (const dsp::Complex& y : samples) {
        PrintNumber(io.out, y.re);
        io.out << ' ';
        PrintNumber(io.out, y.im);
        io.out << '\n';
    }
    return ExitOk;
}

} // namespace kdsp::cli
