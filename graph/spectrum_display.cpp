#include "graph/spectrum_display.h"

#include "dsp/rounding.h"
#include "graph/spectrum_levels.h"

#include <algorithm>
#include <cstddef>

namespace kdsp::graph {

namespace {

using dsp::RoundToInt;

// Magnitude of the bin nearest the frequency under pixel column x; a bin
// past the end (never reached at the sizes drawn) reads the last one.
double LevelUnder(const GraphScale& scale, std::span<const dsp::Complex> bins, double x) {
    const int bin = RoundToInt(XToFreq(scale, x) / BinHz);
    const auto last = static_cast<int>(bins.size()) - 1;
    return dsp::Abs(bins[static_cast<std::size_t>(std::clamp(bin, 0, last))]);
}

double BinX(const GraphScale& scale, int bin) {
    return FreqToX(scale, static_cast<double>(BinHz) * (bin + 1));
}

Line Rising(int x, int height, double y) {
    return Line{{x, height}, {x, RoundToInt(y)}};
}

} // namespace

std::vector<Point> SpectrumPolyline(const GraphScale& scale, bool lowTrigger,
                                    std::span<const dsp::Complex> bins) {
    std::vector<Point> points;
    const int count = std::min<int>(SpectrumHigh, static_cast<int>(bins.size()));
    for (int k = 0; k < count; ++k) {
        const double level = dsp::Abs(bins[static_cast<std::size_t>(k)]);
        points.push_back(
            {RoundToInt(BinX(scale, k)), RoundToInt(LevelToY(scale, lowTrigger, level))});
    }
    return points;
}

std::vector<Line> SpectrumColumns(const GraphScale& scale, bool lowTrigger,
                                  std::span<const dsp::Complex> bins) {
    std::vector<Line> lines;
    if (bins.empty())
        return lines;
    for (int x = 0; x <= scale.width; ++x) {
        const double y = LevelToY(scale, lowTrigger, LevelUnder(scale, bins, x));
        lines.push_back(Rising(x, scale.height, y));
    }
    return lines;
}

std::vector<Line> SpectrumBars(const GraphScale& scale, bool lowTrigger,
                               std::span<const dsp::Complex> bins) {
    std::vector<Line> lines;
    const int pitch = scale.width / 120;
    if (pitch == 0 || bins.empty())
        return lines;
    double y = scale.height;
    for (int x = 0; x <= scale.width; ++x) {
        const int r = x % pitch;
        if (r == 0) {
            y = LevelToY(scale, lowTrigger, LevelUnder(scale, bins, pitch / 2 + x));
            const auto bar = static_cast<std::size_t>(x / pitch);
            if (bar < BarWeights.size())
                y *= BarWeights[bar];
        } else if (r > pitch - 3) {
            y = scale.height;
        }
        lines.push_back(Rising(x, scale.height, y));
    }
    return lines;
}

std::vector<Line> SpectrumBinLines(const GraphScale& scale, bool lowTrigger,
                                   std::span<const dsp::Complex> bins) {
    std::vector<Line> lines;
    const int count = std::min<int>(SpectrumHigh + 1, static_cast<int>(bins.size()));
    for (int e = 0; e < count; ++e) {
        const double level = dsp::Abs(bins[static_cast<std::size_t>(e)]);
        lines.push_back(
            Rising(RoundToInt(BinX(scale, e)), scale.height, LevelToY(scale, lowTrigger, level)));
    }
    return lines;
}

SpectrumDrawing DrawSpectrum(const GraphScale& scale, int kind, bool lowTrigger,
                             std::span<const dsp::Complex> bins) {
    SpectrumDrawing drawing;
    switch (kind) {
    case static_cast<int>(SpectrumKind::Hidden):
        break;
    case static_cast<int>(SpectrumKind::Polyline):
        drawing.polyline = SpectrumPolyline(scale, lowTrigger, bins);
        break;
    case static_cast<int>(SpectrumKind::Columns):
        drawing.lines = SpectrumColumns(scale, lowTrigger, bins);
        break;
    case static_cast<int>(SpectrumKind::Bars):
        drawing.lines = SpectrumBars(scale, lowTrigger, bins);
        break;
    default:
        drawing.lines = SpectrumBinLines(scale, lowTrigger, bins);
        break;
    }
    return drawing;
}

} // namespace kdsp::graph
