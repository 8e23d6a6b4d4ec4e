#include "dsp/response_window.h"

#include "dsp/rounding.h"

#include <algorithm>
#include <cmath>
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
    float previous = 0.0f;
    for (std::size_t j = 0; j < window.size(); ++j) {
        const double p = numerator.at(phi[j]);
        const double d = denominator.at(phi[j]);
        if (repeatOnZeroPower && (p == 0.0 || d == 0.0)) {
            window[j] = previous;
            continue;
        }
        // One logarithm of the quotient instead of two: equal to the
        // difference of the two logarithms within single precision, and
        // exactly 0 dB wherever numerator and denominator agree.
        previous = static_cast<float>(10.0 * std::log10(p / d));
        window[j] = previous;
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
