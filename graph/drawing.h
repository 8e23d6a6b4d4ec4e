#pragma once

#include <cstdint>

namespace kdsp::graph {

// Plain drawing records: the core says what to draw, the window paints it.

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// A point between pixels.
struct PointF {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const PointF&, const PointF&) = default;
};

struct Pen {
    Rgb colour;
    int width = 1;

    friend bool operator==(const Pen&, const Pen&) = default;
};

// A straight line from `from` to `to`, both ends drawn.
struct Line {
    Point from;
    Point to;

    friend bool operator==(const Line&, const Line&) = default;
};

struct StrokedLine {
    Line line;
    Pen pen;

    friend bool operator==(const StrokedLine&, const StrokedLine&) = default;
};

} // namespace kdsp::graph
