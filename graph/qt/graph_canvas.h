#pragma once

#include "graph/coordinates.h"
#include "graph/drawing.h"
#include "graph/spectrum_display.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <span>
#include <vector>

namespace kdsp::graph {

// The picture of the response graph and the grid background it goes back
// to before each drawing, so curves and spectrum never repaint the grid.
//
// Straight lines are drawn the way the console always drew them: a pen of
// width w covers w pixels across, the last one on the line's coordinate
// (a 2-pixel line at y = 1 covers rows 0 and 1), and both ends are drawn.
class GraphCanvas {
public:
    // A new picture of `size` with the grid painted, also kept as the
    // background. Sizes below 2 x 2 pixels are taken as 2 x 2.
    void rebuild(QSize size);
    // The background again, erasing whatever was drawn over it.
    void restore();

    const QImage& picture() const { return picture_; }
    const GraphScale& scale() const { return scale_; }

    // A spectrum display (SpectrumPen) over what is there.
    void drawSpectrum(const SpectrumDrawing& drawing);
    // The summed response: an anti-aliased cardinal spline through
    // `points`, each point on the centre of its pixel.
    void drawCurve(std::span<const Point> points, QColor colour);

private:
    void stroke(const Line& line, const Pen& pen);
    // Draws `lines` at once when they all rise from the bottom edge; false,
    // drawing nothing, otherwise.
    bool fillColumns(const std::vector<Line>& lines, const Pen& pen);

    QImage picture_;
    QImage background_;
    GraphScale scale_;
    std::vector<int> columnTops_; // scratch of fillColumns
};

} // namespace kdsp::graph
