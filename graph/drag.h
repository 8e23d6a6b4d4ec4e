#pragma once

#include "graph/coordinates.h"
#include "graph/drawing.h"
#include "graph/readout.h"

#include <optional>

namespace kdsp::graph {

// What markers of a sheet of the main page control may do. Markers above
// the sheet's last equaliser band (the crossover markers) move sideways
// only on some sheets and not at all on others.
struct SheetDragRule {
    enum class Above { Sideways, Fixed, Free };
    int lastBand = -1; // -1: the sheet has no bands (system)
    Above above = Above::Free;
};

// The rule of sheet 0..8 (0 music, 1 microphone, 2 effect, 3 main, 4 hint,
// 5 record, 6 auxiliary, 7 system, 8 dynamic equaliser).
SheetDragRule DragRuleOf(int sheet);

inline constexpr int DynamicEqSheet = 8;
// Crossover frequencies cannot be dragged below the grid position of this
// frequency, nor anything above this one.
inline constexpr double LowestDragHz = 19.5;
inline constexpr double HighestDragHz = 20600.0;

// One step of a left-button drag: the marker at `marker` (its top-left in
// graph image pixels) is moved by the mouse's (dx, dy) since the press.
struct DragRequest {
    int sheet = 0;
    int markerIndex = 0; // 0..19 bands, 20 high-pass, 21 low-pass
    bool eqPassed = false;
    Point marker;
    // Where the band's point lies from the marker's centre: the marker sits
    // on whole pixels, the point between them. Values are read at the
    // point, so a drag of n pixels moves the band by n pixels of scale.
    PointF offset;
    int dx = 0;
    int dy = 0;
};

struct DragOutcome {
    Point marker;       // where the marker goes
    double hz = 0.0;    // the frequency under its centre, whole hertz
    double db = 0.0;    // the gain under its centre, within the sheet's range
    int frequencyIndex; // raw frequency index of hz
    int gainIndex;      // raw gain index of db
};

// The new marker position and the values under it, or nothing when the
// marker may not move at all (a bypassed equaliser, a locked marker).
std::optional<DragOutcome> DragMarker(const GraphScale& scale, const DragRequest& request);

} // namespace kdsp::graph
