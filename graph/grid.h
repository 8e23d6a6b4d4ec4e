#pragma once

#include "graph/coordinates.h"
#include "graph/drawing.h"

#include <string>
#include <vector>

namespace kdsp::graph {

inline constexpr Rgb FieldColour{238, 238, 238};
inline constexpr Rgb MajorLineColour{210, 210, 210}; // frame, 0 dB, 100 Hz, 1 kHz, 10 kHz
inline constexpr Rgb MinorLineColour{220, 220, 220};
inline constexpr Rgb LabelColour{161, 161, 161};

// The grid lines of the background in painting order (later lines cover
// earlier ones), on a field of FieldColour.
std::vector<StrokedLine> GridLines(const GraphScale& scale);

enum class LabelAlignment { Right, Centre };

struct AxisLabel {
    std::string name; // "EQLabelY0".."EQLabelY10", "EQLabelX11".."EQLabelX20"
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    LabelAlignment alignment = LabelAlignment::Right;

    friend bool operator==(const AxisLabel&, const AxisLabel&) = default;
};

// The 11 decibel labels left of the graph (-24dB up to 36dB, the upper
// ones above the graph's top) and the 10 frequency labels below it, in
// the coordinates of the panel holding the graph image at `imageOrigin`.
std::vector<AxisLabel> AxisLabels(const GraphScale& scale, Point imageOrigin);

} // namespace kdsp::graph
