#include "graph/qt/graph_canvas.h"

#include "graph/grid.h"
#include "graph/spline.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cstring>

namespace kdsp::graph {

namespace {

QRgb ToQRgb(Rgb colour) {
    return qRgb(colour.r, colour.g, colour.b);
}

} // namespace

void GraphCanvas::rebuild(QSize size) {
    const int width = std::max(size.width(), 2);
    const int height = std::max(size.height(), 2);
    scale_ = ScaleForImage(width, height);
    picture_ = QImage(width, height, QImage::Format_RGB32);
    picture_.fill(ToQRgb(FieldColour));
    for (const StrokedLine& line : GridLines(scale_))
        stroke(line.line, line.pen);
    background_ = picture_.copy();
}

void GraphCanvas::restore() {
    // A plain copy into the existing pixels: no allocation per paint.
    std::memcpy(picture_.bits(), background_.constBits(),
                static_cast<std::size_t>(background_.sizeInBytes()));
}

void GraphCanvas::stroke(const Line& line, const Pen& pen) {
    const int across = std::max(pen.width, 1);
    int left = std::min(line.from.x, line.to.x);
    int right = std::max(line.from.x, line.to.x);
    int top = std::min(line.from.y, line.to.y);
    int bottom = std::max(line.from.y, line.to.y);
    if (line.from.y == line.to.y) {
        top = line.from.y - (across - 1);
        bottom = line.from.y;
    } else if (line.from.x == line.to.x) {
        left = line.from.x - (across - 1);
        right = line.from.x;
    } else {
        QPainter painter(&picture_);
        painter.setPen(QPen(QColor(ToQRgb(pen.colour)), across));
        painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
        return;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, picture_.width() - 1);
    bottom = std::min(bottom, picture_.height() - 1);
    if (left > right || top > bottom)
        return;
    const QRgb colour = ToQRgb(pen.colour);
    const auto count = static_cast<std::size_t>(right - left + 1);
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        std::fill_n(row + left, count, colour);
    }
}

bool GraphCanvas::fillColumns(const std::vector<Line>& lines, const Pen& pen) {
    const int width = picture_.width();
    const int height = picture_.height();
    // Only vertical lines standing on the bottom edge: then the drawing is
    // one column top per pixel column, filled row by row so that memory
    // is written in order (a column at a time strides across the picture).
    columnTops_.assign(static_cast<std::size_t>(width), height);
    int highest = height;
    const int across = std::max(pen.width, 1);
    for (const Line& line : lines) {
        if (line.from.x != line.to.x || std::max(line.from.y, line.to.y) < height - 1)
            return false;
        const int top = std::max(std::min(line.from.y, line.to.y), 0);
        const int first = std::max(line.from.x - (across - 1), 0);
        const int last = std::min(line.from.x, width - 1);
        for (int x = first; x <= last; ++x) {
            int& column = columnTops_[static_cast<std::size_t>(x)];
            column = std::min(column, top);
        }
        highest = std::min(highest, top);
    }
    const QRgb colour = ToQRgb(pen.colour);
    const int* tops = columnTops_.data();
    for (int y = highest; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = tops[x] <= y ? colour : row[x];
    }
    return true;
}

void GraphCanvas::drawSpectrum(const SpectrumDrawing& drawing) {
    if (!fillColumns(drawing.lines, SpectrumPen)) {
        for (const Line& line : drawing.lines)
            stroke(line, SpectrumPen);
    }
    if (drawing.polyline.size() >= 2) {
        QPolygon polygon;
        polygon.reserve(static_cast<qsizetype>(drawing.polyline.size()));
        for (const Point& p : drawing.polyline)
            polygon.append(QPoint(p.x, p.y));
        QPainter painter(&picture_);
        painter.setPen(QPen(QColor(ToQRgb(SpectrumPen.colour)), SpectrumPen.width));
        painter.drawPolyline(polygon);
    }
}

void GraphCanvas::drawCurve(std::span<const Point> points, QColor colour) {
    if (points.size() < 2)
        return;
    QPainterPath path(QPointF(points[0].x, points[0].y));
    for (const BezierPiece& piece : CardinalSpline(points, CurveTension)) {
        path.cubicTo(piece.control1.x, piece.control1.y, piece.control2.x, piece.control2.y,
                     piece.end.x, piece.end.y);
    }
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    // Integer points name pixels: put them on the pixel centres.
    painter.translate(0.5, 0.5);
    QPen pen(colour, CurvePenWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(path);
}

} // namespace kdsp::graph
