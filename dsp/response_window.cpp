#include "dsp/response_window.h"

#include "dsp/rounding.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace kdsp::dsp {

namespace {

constexpr int N = ResponseGrid::Intervals;
constexpr double Half = N / 2.0;
constexpr int Centre = N / 2; // round(N / 2); N is even

constexpr int ShelfKnee = 108;     // round(N * 120 / 512)
constexpr int CrossoverKnee = 126; // round(N * 140 / 512)

double WarpedPosition(int j, int knee, bool kneeIsFlat) {
    const double jf = j;
    if (jf <= Half) {
        if (j < knee || (kneeIsFlat && j == knee))
            return 1.0;
        return (jf - knee) / (Half - knee) * Half;
    }
    if (j <= N - knee)
        return Half + (jf - Half) / (Half - knee) * Half;
    return N - 1;
}

// phi = (2 sin(w / 2))^2 per window point, the only part of the magnitude
// that depends on the point; built once per sampling. The chord 2 sin(w/2)
// is rounded to single precision before it is squared. Near w = pi the
// low-pass numerator is proportional to (4 - phi)^2, so this rounding shows
// in the steep tails (window point 335 of a crossover section).
using PhiTable = std::array<float, ResponseGrid::Points>;

PhiTable MakePhiTable(WindowSampling sampling) {
    PhiTable table{};
    for (int j = 0; j <= N; ++j) {
        const double w = WindowFrequency(sampling, j);
        const double chord = static_cast<float>(2.0 * std::sin(w / 2.0));
        table[static_cast<std::size_t>(j)] = static_cast<float>(chord * chord);
    }
    return table;
}

const PhiTable& Phi(WindowSampling sampling) {
    static const PhiTable linear = MakePhiTable(WindowSampling::Linear);
    static const PhiTable shelf = MakePhiTable(WindowSampling::WarpedShelf);
    static const PhiTable crossover = MakePhiTable(WindowSampling::WarpedCrossover);
    switch (sampling) {
    case WindowSampling::Linear:
        return linear;
    case WindowSampling::WarpedShelf:
        return shelf;
    case WindowSampling::WarpedCrossover:
        break;
    }
    return crossover;
}

// The closed form of |H|^2 splits into a polynomial in phi whose three
// coefficients depend on the section only.
struct PowerPolynomial {
    double quadratic; // b0 b2
    double linear;    // b1 (b0 + b2) + 4 b0 b2
    double constant;  // (b0 + b1 + b2)^2

    PowerPolynomial(float c0, float c1, float c2) {
        const double d0 = c0, d1 = c1, d2 = c2;
        quadratic = d0 * d2;
        linear = d1 * (d0 + d2) + 4.0 * d0 * d2;
        const double sum = d0 + d1 + d2;
        constant = sum * sum;
    }
    double at(double phi) const { return phi * (phi * quadratic - linear) + constant; }
};

// Natural logarithm of a positive, normal, finite double, within a few units
// in the last place (the result is rounded to single precision anyway). It
// has neither table nor branch, so that a loop of them vectorises: x is split
// into 2^k m with m in [sqrt(1/2), sqrt(2)) by integer arithmetic on its
// bits, and ln m = 2 atanh(s) with s = (m - 1) / (m + 1), |s| < 0.172, by
// the odd series of atanh. ln 1 is exactly 0.
double Ln(double x) {
    constexpr std::uint64_t SqrtHalfBits = 0x3FE6A09E667F3BCD;
    constexpr std::uint64_t ExponentMask = 0xFFF0000000000000;
    constexpr double TwoTo52 = 4503599627370496.0;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const std::uint64_t shifted = bits - SqrtHalfBits;
    // k as a 12-bit two's complement field, converted without an integer to
    // double conversion: 2^52 + (k + 2048) read as a double, less the bias.
    const std::uint64_t biasedK = (shifted >> 52) ^ 0x800;
    const double k =
        std::bit_cast<double>(std::bit_cast<std::uint64_t>(TwoTo52) | biasedK) - (TwoTo52 + 2048.0);
    const double m = std::bit_cast<double>(bits - (shifted & ExponentMask));
    const double f = m - 1.0;
    const double s = f / (2.0 + f);
    const double z = s * s;
    // Terms up to s^19: the first one left out, s^21 / 21, is under 3e-17 of
    // the sum.
    double series = 1.0 / 19.0;
    series = series * z + 1.0 / 17.0;
    series = series * z + 1.0 / 15.0;
    series = series * z + 1.0 / 13.0;
    series = series * z + 1.0 / 11.0;
    series = series * z + 1.0 / 9.0;
    series = series * z + 1.0 / 7.0;
    series = series * z + 1.0 / 5.0;
    series = series * z + 1.0 / 3.0;
    return k * std::numbers::ln2 + (2.0 * s + 2.0 * s * (z * series));
}

// Ln applies where the ratio of the powers is a positive normal number.
bool LogarithmApplies(double x) {
    return x >= std::numeric_limits<double>::min() && x <= std::numeric_limits<double>::max();
}

} // namespace

const DesignPoint& Design() {
    static const DesignPoint point = [] {
        const float w0 = static_cast<float>(std::numbers::pi / 2.0);
        return DesignPoint{w0, static_cast<float>(std::sin(static_cast<double>(w0))),
                           static_cast<float>(std::cos(static_cast<double>(w0)))};
    }();
    return point;
}

float WindowFrequency(WindowSampling sampling, int j) {
    double position = j;
    switch (sampling) {
    case WindowSampling::Linear:
        break;
    case WindowSampling::WarpedShelf:
        position = WarpedPosition(j, ShelfKnee, false);
        break;
    case WindowSampling::WarpedCrossover:
        position = WarpedPosition(j, CrossoverKnee, true);
        break;
    }
    return static_cast<float>(std::numbers::pi * position / N);
}

void EvaluateWindow(const Biquad& section, WindowSampling sampling, bool repeatOnZeroPower,
                    ResponseWindow& window) {
    // A bypassed band (gain 0, or the flat section) has equal numerator and
    // denominator: exactly 0 dB everywhere, without a logarithm.
    if (section.b0 == section.a0 && section.b1 == section.a1 && section.b2 == section.a2) {
        window.fill(0.0f);
        return;
    }
    const PhiTable& phi = Phi(sampling);
    const PowerPolynomial numerator(section.b0, section.b1, section.b2);
    const PowerPolynomial denominator(section.a0, section.a1, section.a2);
    // One logarithm of the quotient instead of two: equal to the difference
    // of the two logarithms within single precision, and exactly 0 dB
    // wherever numerator and denominator agree.
    constexpr double DecibelsPerNeper = 10.0 / std::numbers::ln10;
    std::array<double, ResponseGrid::Points> ratio;
    for (std::size_t j = 0; j < window.size(); ++j) {
        ratio[j] = numerator.at(phi[j]) / denominator.at(phi[j]);
        window[j] = static_cast<float>(DecibelsPerNeper * Ln(ratio[j]));
    }
    // The rare points Ln does not cover, in order, so that a repeated point
    // takes its predecessor's final value.
    for (std::size_t j = 0; j < window.size(); ++j) {
        if (LogarithmApplies(ratio[j]))
            continue;
        const double p = numerator.at(phi[j]);
        const double d = denominator.at(phi[j]);
        if (repeatOnZeroPower && (p == 0.0 || d == 0.0))
            window[j] = j == 0 ? 0.0f : window[j - 1];
        else
            window[j] = static_cast<float>(10.0 * std::log10(p / d));
    }
}

void PlaceWindow(const ResponseWindow& window, double hz, ResponseCurve& curve) {
    const int centreOnGrid = RoundToInt((std::log10(hz) - 1.0) / ResponseGrid::Decades * N);
    for (int g = 0; g <= N; ++g) {
        const int w = std::clamp(Centre + g - centreOnGrid, 0, N - 1);
        curve[static_cast<std::size_t>(g)] = window[static_cast<std::size_t>(w)];
    }
}

} // namespace kdsp::dsp
