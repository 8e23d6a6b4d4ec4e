#include "graph/curve_points.h"
#include "graph/grid.h"
#include "graph/qt/graph_canvas.h"

#include <QColor>
#include <gtest/gtest.h>
#include <vector>

namespace kdsp::graph {
namespace {

QRgb Of(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

GraphCanvas Design() {
    GraphCanvas canvas;
    canvas.rebuild(QSize(883, 268));
    return canvas;
}

// Pixels of the grid where its lines lie; two-pixel lines cover the pixel
// before their coordinate as well.
TEST(GraphCanvas, GridPixels) {
    const GraphCanvas canvas = Design();
    struct Case {
        int x, y;
        Rgb colour;
    };
    const Case cases[] = {
        {300, 60, FieldColour},      // inside a cell
        {300, 89, MajorLineColour},  // 0 dB
        {300, 111, MinorLineColour}, // -3 dB at 111.25
        {300, 0, MajorLineColour},   // top border at y = 1 covers rows 0 and 1
        {300, 1, MajorLineColour},   {300, 2, FieldColour},
        {300, 266, MajorLineColour},                              // bottom border at y = 267
        {300, 267, MajorLineColour}, {522, 150, MajorLineColour}, // 1 kHz at 522.5
        {521, 150, MajorLineColour}, {523, 150, FieldColour},
        {0, 150, MajorLineColour},   // left border
        {862, 150, MinorLineColour}, // 20 kHz at 862.3
        {882, 150, MinorLineColour}, // right border
    };
    for (const Case& c : cases)
        EXPECT_EQ(canvas.picture().pixel(c.x, c.y), Of(c.colour)) << c.x << "," << c.y;
}

TEST(GraphCanvas, RestoreErasesWhatWasDrawn) {
    GraphCanvas canvas = Design();
    const QImage grid = canvas.picture().copy();
    SpectrumDrawing drawing;
    drawing.lines.push_back({{400, 268}, {400, 10}});
    drawing.polyline = {{0, 0}, {500, 200}};
    canvas.drawSpectrum(drawing);
    const std::vector<Point> curve{{0, 50}, {400, 100}, {882, 60}};
    canvas.drawCurve(curve, QColor(255, 102, 0));
    ASSERT_NE(canvas.picture(), grid);
    canvas.restore();
    EXPECT_EQ(canvas.picture(), grid);
}

TEST(GraphCanvas, FlatCurveCoversItsRowInFullColour) {
    GraphCanvas canvas = Design();
    const QImage grid = canvas.picture().copy();
    const dsp::GraphBands flat; // every response 0 dB
    const CurvePoints points = SummedCurvePoints(canvas.scale(), flat, 1, false);
    const QColor orange(255, 102, 0);
    canvas.drawCurve(std::span<const Point>(points.data(), 462), orange);
    for (int x = 4; x < 850; x += 7) {
        EXPECT_EQ(canvas.picture().pixel(x, 89), orange.rgb()) << x;
        EXPECT_NE(canvas.picture().pixel(x, 88), orange.rgb()) << x << " is blended only";
        EXPECT_EQ(canvas.picture().pixel(x, 86), grid.pixel(x, 86)) << x;
        EXPECT_EQ(canvas.picture().pixel(x, 92), grid.pixel(x, 92)) << x;
    }
}

TEST(GraphCanvas, SpectrumColumnsRiseFromTheBottom) {
    GraphCanvas canvas = Design();
    SpectrumDrawing drawing;
    drawing.lines.push_back({{400, 268}, {400, 100}});
    canvas.drawSpectrum(drawing);
    const QRgb blue = Of(SpectrumPen.colour);
    for (const int x : {399, 400}) {
        EXPECT_EQ(canvas.picture().pixel(x, 100), blue);
        EXPECT_EQ(canvas.picture().pixel(x, 267), blue);
        EXPECT_NE(canvas.picture().pixel(x, 99), blue);
    }
    EXPECT_NE(canvas.picture().pixel(401, 150), blue);
    EXPECT_NE(canvas.picture().pixel(398, 150), blue);
}

} // namespace
} // namespace kdsp::graph
