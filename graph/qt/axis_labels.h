#pragma once

#include "graph/coordinates.h"

#include <QPoint>

class QWidget;

namespace kdsp::graph {

// Creates the graph's axis captions on `frame` (EQLabelY0..10 left of the
// graph, EQLabelX11..20 below it) the first time, and from then on moves
// and re-captions them, for a graph image whose top-left corner lies at
// `imageOrigin` in `frame`. Decibel captions that would fall above the
// graph (18dB and up) stay hidden: the frame holds the graph's buttons
// there.
void PlaceAxisLabels(QWidget* frame, const GraphScale& scale, QPoint imageOrigin);

} // namespace kdsp::graph
