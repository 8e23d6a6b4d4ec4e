#include "graph/grid.h"

#include "dsp/response_grid.h"
#include "dsp/rounding.h"

#include <array>

namespace kdsp::graph {

namespace {

using dsp::RoundToInt;

constexpr Pen MajorPen{MajorLineColour, 2};
constexpr Pen MinorPen{MinorLineColour, 1};

StrokedLine Vertical(int x, int height, Pen pen) {
    return {{{x, 0}, {x, height}}, pen};
}

StrokedLine Horizontal(int y, int width, Pen pen) {
    return {{{0, y}, {width, y}}, pen};
}

} // namespace

std::vector<StrokedLine> GridLines(const GraphScale& scale) {
    const int w = scale.width;
    const int h = scale.height;
    std::vector<StrokedLine> lines;

    for (int db = GraphMinDb; db <= GraphMaxDb; db += 3) {
        const bool major = db == GraphMinDb || db == 0 || db == GraphMaxDb;
        const Pen pen{major ? MajorLineColour : MinorLineColour, 1};
        lines.push_back(Horizontal(RoundToInt(DbToY(scale, db)), w, pen));
    }

    lines.push_back(Vertical(0, h, MajorPen));
    for (const double hz : {100.0, 1000.0, 10000.0})
        lines.push_back(Vertical(RoundToInt(FreqToX(scale, hz)), h, MajorPen));

    static constexpr std::array<double, 25> MinorHz{
        20,  30,  40,  50,   60,   70,   80,   90,   200,  300,  400,  500,  600,
        700, 800, 900, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 20000};
    for (const double hz : MinorHz)
        lines.push_back(Vertical(RoundToInt(FreqToX(scale, hz)), h, MinorPen));
    const double right = dsp::ResponseGrid::Intervals * scale.pixelsPerPoint - 1.0;
    lines.push_back(Vertical(RoundToInt(right), h, MinorPen));

    // The top border sits one pixel down so that its two-pixel pen stays
    // inside the image.
    lines.push_back(Horizontal(RoundToInt(DbToY(scale, GraphMaxDb) + 1.0), w, MajorPen));
    lines.push_back(Horizontal(RoundToInt(DbToY(scale, GraphMinDb)), w, MajorPen));
    return lines;
}

std::vector<AxisLabel> AxisLabels(const GraphScale& scale, Point imageOrigin) {
    std::vector<AxisLabel> labels;

    constexpr int DbWidth = 32, DbHeight = 13;
    for (int n = 0; n <= 10; ++n) {
        const int db = GraphMinDb + 6 * n;
        labels.push_back({"EQLabelY" + std::to_string(n), std::to_string(db) + "dB",
                          imageOrigin.x - DbWidth - 2,
                          RoundToInt(DbToY(scale, db)) + imageOrigin.y - DbHeight / 2, DbWidth,
                          DbHeight, LabelAlignment::Right});
    }

    struct Tick {
        double hz;
        const char* caption;
    };
    static constexpr std::array<Tick, 10> Ticks{{{20, "20Hz"},
                                                 {50, "50Hz"},
                                                 {100, "100Hz"},
                                                 {200, "200Hz"},
                                                 {500, "500Hz"},
                                                 {1000, "1KHz"},
                                                 {2000, "2KHz"},
                                                 {5000, "5KHz"},
                                                 {10000, "10KHz"},
                                                 {20000, "20KHz"}}};
    constexpr int HzWidth = 36, HzHeight = 13;
    int n = 11;
    for (const Tick& tick : Ticks) {
        labels.push_back({"EQLabelX" + std::to_string(n++), tick.caption,
                          RoundToInt(FreqToX(scale, tick.hz)) + imageOrigin.x - HzWidth / 2,
                          imageOrigin.y + scale.height, HzWidth, HzHeight, LabelAlignment::Centre});
    }
    return labels;
}

} // namespace kdsp::graph
