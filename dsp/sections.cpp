#include "dsp/sections.h"

#include "dsp/response_window.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kdsp::dsp {

namespace {

// The band's Q is widened by this factor before design so that the drawn
// bell matches what the box does with the same Q index.
constexpr double PeakingQSpread = 0.35714285714285715; // 1 / 2.8

float Single(double value) {
    return static_cast<float>(value);
}

double AtLeast10Hz(double hz) {
    return std::max(hz, 10.0);
}

void Draw(const Biquad& section, WindowSampling sampling, bool lowPass, double hz,
          ResponseCurve& curve) {
    ResponseWindow window;
    EvaluateWindow(section, sampling, lowPass, window);
    PlaceWindow(window, AtLeast10Hz(hz), curve);
}

Biquad CrossoverBiquad(const CrossoverSection& section, bool lowPass) {
    const DesignPoint& d = Design();
    const double s = d.s, c = d.c;
    switch (section.kind) {
    case SectionKind::Flat:
        return Biquad{};
    case SectionKind::First: {
        Biquad f;
        f.a0 = Single(s + c + 1.0);
        f.a1 = Single(s - c - 1.0);
        f.a2 = 0.0f;
        f.b0 = lowPass ? d.s : Single(1.0 + c);
        f.b1 = lowPass ? d.s : Single(-(1.0 + c));
        f.b2 = 0.0f;
        return f;
    }
    case SectionKind::Q577:
    case SectionKind::Q707:
    case SectionKind::Pair:
        break;
    }
    const double alpha = s / (2.0 * SectionQuality(section));
    Biquad f;
    f.a0 = Single(1.0 + alpha);
    f.a1 = Single(-2.0 * c);
    f.a2 = Single(1.0 - alpha);
    if (lowPass) {
        f.b0 = Single((1.0 - c) / 2.0);
        f.b1 = Single(1.0 - c);
        f.b2 = f.b0;
    } else {
        f.b0 = Single((1.0 + c) / 2.0);
        f.b1 = Single(-(1.0 + c));
        f.b2 = f.b0;
    }
    return f;
}

} // namespace

double SectionQuality(const CrossoverSection& section) {
    switch (section.kind) {
    case SectionKind::Q577:
        return 1.0 / std::sqrt(3.0);
    case SectionKind::Q707:
        return 1.0 / std::sqrt(2.0);
    case SectionKind::Pair:
        return 1.0 /
               (2.0 * std::sin(std::numbers::pi * (section.pairIndex + 0.5) / section.pairOrder));
    case SectionKind::Flat:
    case SectionKind::First:
        break;
    }
    return 0.0;
}

void PeakingResponse(ResponseCurve& curve, double hz, float q, float gain) {
    const DesignPoint& d = Design();
    const double qe = (static_cast<double>(q) + 0.01) / PeakingQSpread;
    const double a = std::pow(10.0, static_cast<double>(gain) / 40.0);
    const double alpha = d.s / (2.0 * qe);
    Biquad f;
    f.b0 = Single(1.0 + alpha * a);
    f.b1 = Single(-2.0 * d.c);
    f.b2 = Single(1.0 - alpha * a);
    f.a0 = Single(1.0 + alpha / a);
    f.a1 = f.b1;
    f.a2 = Single(1.0 - alpha / a);
    Draw(f, WindowSampling::Linear, false, hz, curve);
}

void ShelfResponse(ResponseCurve& curve, double hz, bool high, float slope, float gain) {
    const DesignPoint& d = Design();
    const double c = d.c;
    const double shelfSlope = std::min(static_cast<double>(slope), 4.0) + 0.001;
    const double a = std::pow(10.0, static_cast<double>(gain) / 40.0);
    const double alpha =
        d.s / 2.0 * std::sqrt(std::fabs((a + 1.0 / a) * (1.0 / shelfSlope - 1.0) + 2.0));
    const double beta = 2.0 * std::sqrt(a) * alpha;
    Biquad f;
    if (high) {
        f.a0 = Single((a + 1) - (a - 1) * c + beta);
        f.a1 = Single(2.0 * ((a - 1) - (a + 1) * c));
        f.a2 = Single((a + 1) - (a - 1) * c - beta);
        f.b0 = Single(a * ((a + 1) + (a - 1) * c + beta));
        f.b1 = Single(-2.0 * a * ((a - 1) + (a + 1) * c));
        f.b2 = Single(a * ((a + 1) + (a - 1) * c - beta));
    } else {
        f.a0 = Single((a + 1) + (a - 1) * c + beta);
        f.a1 = Single(-2.0 * ((a - 1) + (a + 1) * c));
        f.a2 = Single((a + 1) + (a - 1) * c - beta);
        f.b0 = Single(a * ((a + 1) - (a - 1) * c + beta));
        f.b1 = Single(2.0 * a * ((a - 1) - (a + 1) * c));
        f.b2 = Single(a * ((a + 1) - (a - 1) * c - beta));
    }
    Draw(f, WindowSampling::WarpedShelf, false, hz, curve);
}

void LowPassSectionResponse(ResponseCurve& curve, double hz, const CrossoverSection& section) {
    Draw(CrossoverBiquad(section, true), WindowSampling::WarpedCrossover, true, hz, curve);
}

void HighPassSectionResponse(ResponseCurve& curve, double hz, const CrossoverSection& section) {
    Draw(CrossoverBiquad(section, false), WindowSampling::WarpedCrossover, false, hz, curve);
}

} // namespace kdsp::dsp
