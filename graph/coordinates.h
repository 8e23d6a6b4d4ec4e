#pragma once

namespace kdsp::graph {

inline constexpr int GraphMinDb = -24; // at the bottom edge
inline constexpr int GraphMaxDb = 12;  // at the top edge

// The size of the graph image and the horizontal pixels per interval of
// the response grid.
struct GraphScale {
    int width = 0;
    int height = 0;
    double pixelsPerPoint = 1.0;
};

// The scale of an image of the given size: the 462 grid intervals span
// the whole width.
GraphScale ScaleForImage(int width, int height);

// Coordinates are fractional pixels; round half to even where a pixel is
// needed. FreqToX needs a positive frequency (callers pass 10 Hz or more).
double FreqToX(const GraphScale& scale, double hz);
double XToFreq(const GraphScale& scale, double x);
double DbToY(const GraphScale& scale, double db);
double YToDb(const GraphScale& scale, double y);

} // namespace kdsp::graph
