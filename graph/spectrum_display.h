#pragma once

#include "dsp/complex.h"
#include "graph/coordinates.h"
#include "graph/drawing.h"

#include <array>
#include <span>
#include <vector>

namespace kdsp::graph {

inline constexpr Pen SpectrumPen{Rgb{62, 62, 255}, 2};

// Factors applied to the rows of the first 47 bars of the bar display.
inline constexpr std::array<double, 47> BarWeights{
    0.40, 0.42, 0.25, 0.47, 0.30, 0.53, 0.76, 0.69, 0.73, 0.57, 0.31, 0.45, 0.79, 0.84, 0.89, 0.94,
    0.90, 0.92, 0.95, 0.77, 0.86, 0.93, 0.86, 0.89, 0.93, 0.87, 0.91, 0.85, 0.99, 0.94, 0.99, 0.94,
    0.96, 0.92, 0.95, 0.97, 0.96, 0.93, 0.96, 0.99, 0.93, 0.97, 0.96, 0.95, 0.99, 0.94, 0.99};

// Display kinds of the analyser; any other value draws one line per bin.
enum class SpectrumKind { Hidden = 0, Polyline = 1, Columns = 2, Bars = 3 };

// What one spectrum display draws with SpectrumPen, from the 2048 bins of
// SpectrumTransform: a polyline, or vertical lines rising from the bottom
// edge (y = height).
struct SpectrumDrawing {
    std::vector<Point> polyline;
    std::vector<Line> lines;
};

// Kind 1: the magnitudes of bins 0..1022 joined at their frequencies.
std::vector<Point> SpectrumPolyline(const GraphScale& scale, bool lowTrigger,
                                    std::span<const dsp::Complex> bins);

// Kind 2: one line per pixel column, at the level of the bin under it.
std::vector<Line> SpectrumColumns(const GraphScale& scale, bool lowTrigger,
                                  std::span<const dsp::Complex> bins);

// Kind 3: bars of width / 120 pixels pitch (the last two columns dark),
// each at the level of the bin under its middle; the first 47 rows are
// scaled by BarWeights. A graph narrower than 120 pixels has no bars.
std::vector<Line> SpectrumBars(const GraphScale& scale, bool lowTrigger,
                               std::span<const dsp::Complex> bins);

// Any other kind: one line per bin 0..1023 at the bin's frequency.
std::vector<Line> SpectrumBinLines(const GraphScale& scale, bool lowTrigger,
                                   std::span<const dsp::Complex> bins);

// The display of kind `kind`; kind 0 draws nothing.
SpectrumDrawing DrawSpectrum(const GraphScale& scale, int kind, bool lowTrigger,
                             std::span<const dsp::Complex> bins);

} // namespace kdsp::graph
