#include "graph/readout.h"

#include "dsp/rounding.h"

#include <cmath>
#include <cstdio>

namespace kdsp::graph {

namespace {

// Fixed decimals, halves away from zero whatever the locale.
std::string Fixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // The small nudge keeps values such as 2.675, stored a hair below
    // their decimal spelling, rounding the way their text reads.
    const double rounded = std::round(value * scale * (1.0 + 1e-12)) / scale;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded == 0.0 ? 0.0 : rounded);
    return text;
}

} // namespace

Point MarkerTopLeft(const GraphScale& scale, double hz, double db, int size) {
    const int half = size / 2;
    return Point{dsp::RoundToInt(FreqToX(scale, hz) - half),
                 dsp::RoundToInt(DbToY(scale, db) - half)};
}

std::string ReadoutCaption(dsp::BandTypeCode type, double hz, double db, double q) {
    if (type >= dsp::LowPassBand)
        return "LPF:" + Fixed(hz, 2) + "Hz";
    if (type >= dsp::HighPassBand)
        return "HPF:" + Fixed(hz, 2) + "Hz";
    return Fixed(db, 1) + "dB\nQ:" + Fixed(q, 2) + "\n" + Fixed(hz, 2) + "Hz";
}

Point ReadoutTopLeft(Point marker, int markerSize, double db, int labelWidth, int labelHeight) {
    const int left = marker.x + markerSize / 2 - labelWidth / 2;
    const int top = db >= 0.0 ? marker.y + markerSize : marker.y - labelHeight - 1;
    return Point{left, top};
}

} // namespace kdsp::graph
