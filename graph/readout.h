#pragma once

#include "dsp/band_response.h"
#include "graph/coordinates.h"
#include "graph/drawing.h"

#include <string>

namespace kdsp::graph {

// Graph point markers are square pictures this many pixels wide.
inline constexpr int MarkerSize = 14;

// The top-left corner that centres a marker on (hz, db).
Point MarkerTopLeft(const GraphScale& scale, double hz, double db, int size = MarkerSize);

// The read-out of one record, line by line: gain, Q and frequency of an
// equaliser band ("3.5dB", "Q:1.00", "1000.00Hz"), or the one line
// "HPF:1000.00Hz" / "LPF:1000.00Hz" of a crossover filter. Decimals round
// halves away from zero.
std::string ReadoutCaption(dsp::BandTypeCode type, double hz, double db, double q);

// Where the read-out of `labelWidth` x `labelHeight` sits beside its
// marker: centred on it, just below for a gain of 0 dB or more, otherwise
// one pixel clear above it.
Point ReadoutTopLeft(Point marker, int markerSize, double db, int labelWidth, int labelHeight);

} // namespace kdsp::graph
