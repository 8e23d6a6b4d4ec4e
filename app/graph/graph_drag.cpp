#include "app/graph/graph_controller.h"
#include "app/window/main_window.h"
#include "graph/drag.h"
#include "model/value_scales.h"

#include <QMouseEvent>
#include <cmath>

namespace kdsp {

namespace {

using graph::HighPassMarker;

constexpr int MainSheet = 3;
constexpr int AuxSheet = 6;
// Right-button movement over the graph steps Q once per this many pixels.
constexpr int StepPixels = 3;
// Markers below this index keep their frequency edit after stepping.
constexpr int StepFocusLimit = 15;

// Volume markers run along their bar between these left edges, at this
// many pixels per bar step.
constexpr int VolumeMarkerLeft = 53;
constexpr int VolumeMarkerRight = 211;
constexpr double VolumePixelsPerStep = 1.89;

void Activate(Console& console, Edit* edit) {
    if (edit == nullptr || !edit->isEnabled() || edit->focusPolicy() == Qt::NoFocus)
        return;
    console.setActiveEdit(edit);
    edit->setFocus();
}

} // namespace

bool GraphController::automaticLock() const {
    return currentSheet() == MainSheet && !console_.manualMode();
}

Edit* GraphController::frequencyEdit(int marker) const {
    const int page = currentPage();
    if (marker < 0 || marker >= graph::GraphBandCount(page))
        return nullptr;
    return dynamic_cast<Edit*>(
        console_.bindings().control(graph::BandFieldTag(page, marker, BandFrequency)));
}

Control* GraphController::frequencyControl(int record) const {
    const Tag tag = tags_[static_cast<std::size_t>(record)].frequency;
    if (tag < 0)
        return nullptr;
    // A crossover frequency has a bar; its read-out pane is what shows it.
    return record >= HighPassMarker ? console_.bindings().readout(tag)
                                    : console_.bindings().control(tag);
}

void GraphController::setDragging(bool dragging) {
    drag_.dragging = dragging;
    analyser_.setDragging(dragging);
}

void GraphController::applyDrag() {
    const auto record = static_cast<std::size_t>(std::clamp(drag_.lastIndex, 0, 21));
    const auto show = [this](Control* control, int value) {
        if (control != nullptr)
            console_.showValue(control, ActionSet, false, value);
    };
    Control* frequency = frequencyControl(static_cast<int>(record));
    const Tag gainTag = tags_[record].gain;
    Control* gain = gainTag >= 0 ? console_.bindings().control(gainTag) : nullptr;

    const bool newFreq = drag_.pendingFreq != drag_.appliedFreq;
    const bool newGain = drag_.pendingGain != drag_.appliedGain;
    if (newFreq)
        show(frequency, drag_.pendingFreq);
    drag_.appliedFreq = drag_.pendingFreq;
    drag_.appliedGain = drag_.pendingGain;
    if (newGain)
        show(gain, drag_.pendingGain);
    // Whatever was set last, by the drag, an editor or the box, is drawn.
    console_.tick();
}

void GraphController::beginDrag(const MarkerImage* marker) {
    const int index = marker->tag();
    const int bands = graph::GraphBandCount(currentPage());
    const int record = index == HighPassMarker         ? bands
                       : index == graph::LowPassMarker ? bands + 1
                                                       : index;
    drag_.offset = {};
    if (record < 0 || record >= dsp::GraphBands::Capacity)
        return;
    const auto r = static_cast<std::size_t>(record);
    // Within half a pixel the marker stands for its band's exact point; a
    // marker left elsewhere by an earlier drag counts from where it is.
    const graph::GraphScale& scale = canvas_.scale();
    const double centre = graph::MarkerSize / 2;
    drag_.offset.x =
        std::clamp(graph::FreqToX(scale, bands_.frequency[r]) - marker->x() - centre, -0.5, 0.5);
    drag_.offset.y =
        std::clamp(graph::DbToY(scale, bands_.gain[r]) - marker->y() - centre, -0.5, 0.5);
    // What the band holds now counts as handed over: a move too small to
    // reach the next step of a scale sends nothing.
    const ViewValues& view = console_.model().viewValues();
    const graph::RecordTags& tags = tags_[static_cast<std::size_t>(index)];
    drag_.appliedFreq = drag_.pendingFreq = tags.frequency >= 0 ? view.value(tags.frequency) : 0;
    drag_.appliedGain = drag_.pendingGain =
        tags.gain >= 0 ? view.value(tags.gain) : ParseValue(3, 0.0);
}

void GraphController::markerPressed(MarkerImage* marker, QMouseEvent* event) {
    if (currentSheet() == AuxSheet) {
        if (auto* aux = window_.control<PageControl>(QStringLiteral("AuxPageCtrol"));
            aux != nullptr && aux->currentIndex() == 1)
            return;
    }
    marker->setCursor(Qt::CrossCursor);
    drag_.start = event->position().toPoint();
    drag_.stepAnchor = marker->pos() + drag_.start;
    setDragging(true);
    drag_.markerIndex = marker->tag();
    if (!window_.isVisible())
        return;
    drag_.stepMode = false;
    const int index = drag_.markerIndex;
    const bool locked = automaticLock();

    if (event->button() == Qt::LeftButton) {
        if (locked) {
            setDragging(false);
            return;
        }
        if (index >= HighPassMarker) {
            // Show the crossover's read-out while it is dragged.
            const int bands = graph::GraphBandCount(currentPage());
            paintCurves(index == HighPassMarker ? bands : bands + 1, currentPage());
        } else {
            Activate(console_, frequencyEdit(index));
        }
        beginDrag(marker);
    } else if (event->button() == Qt::RightButton) {
        setDragging(false);
        if (locked || index >= HighPassMarker || index >= graph::GraphBandCount(currentPage()))
            return;
        auto* q = dynamic_cast<Edit*>(
            console_.bindings().control(graph::BandFieldTag(currentPage(), index, BandQPeaking)));
        if (q == nullptr)
            return;
        drag_.stepMode = true;
        Activate(console_, q);
    }
}

void GraphController::markerMoved(MarkerImage* marker, QMouseEvent* event) {
    // Stepping starts with a right press, which is no drag.
    if ((!drag_.dragging && !drag_.stepMode) || drag_.markerIndex == -1)
        return;
    const QPoint at = event->position().toPoint();
    const int index = drag_.markerIndex;

    if (drag_.stepMode) {
        if (index >= HighPassMarker)
            return;
        const int action = drag_.start.x() < at.x()   ? ActionStepUp
                           : drag_.start.x() > at.x() ? ActionStepDown
                                                      : ActionSet;
        console_.applyTypedText(action);
        drag_.start = at;
        drag_.stepAnchor = marker->pos() + at;
        drag_.lastIndex = index;
        return;
    }

    graph::DragRequest request;
    request.sheet = currentSheet();
    request.markerIndex = index;
    request.eqPassed = !passLabel_->isHidden();
    request.marker = {marker->x(), marker->y()};
    request.offset = drag_.offset;
    request.dx = at.x() - drag_.start.x();
    request.dy = at.y() - drag_.start.y();
    const std::optional<graph::DragOutcome> outcome = graph::DragMarker(canvas_.scale(), request);
    if (!outcome)
        return;
    if (marker->pos() != QPoint(outcome->marker.x, outcome->marker.y))
        marker->move(outcome->marker.x, outcome->marker.y);
    drag_.lastIndex = index;
    drag_.pendingFreq = outcome->frequencyIndex;
    drag_.pendingGain = outcome->gainIndex;
    if (drag_.pendingFreq != drag_.appliedFreq || drag_.pendingGain != drag_.appliedGain)
        applyDrag();
}

void GraphController::markerReleased(MarkerImage* marker, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    drag_.stepMode = false;
    if (!drag_.dragging)
        return;
    setDragging(false);
    marker->unsetCursor();
    if (drag_.markerIndex < HighPassMarker && !automaticLock())
        Activate(console_, frequencyEdit(drag_.markerIndex));
}

void GraphController::graphMoved(QMouseEvent* event) {
    if (!(event->buttons() & Qt::RightButton) || !drag_.stepMode || drag_.markerIndex < 0 ||
        drag_.markerIndex >= HighPassMarker)
        return;
    const QPoint at = event->position().toPoint();
    const int moved = at.x() - drag_.stepAnchor.x();
    if (std::abs(moved) < StepPixels)
        return;
    console_.applyTypedText(moved > 0 ? ActionStepUp : ActionStepDown);
    setDragging(false);
    drag_.stepAnchor = at;
    drag_.lastIndex = drag_.markerIndex;
}

void GraphController::graphReleased(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || !drag_.stepMode || automaticLock())
        return;
    setDragging(false);
    drag_.stepMode = false;
    if (drag_.markerIndex >= 0 && drag_.markerIndex < StepFocusLimit)
        Activate(console_, frequencyEdit(drag_.markerIndex));
}

void GraphController::volumeMarkerPressed(MarkerImage* marker, QMouseEvent* event) {
    drag_.markerIndex = marker->tag();
    if (event->button() != Qt::LeftButton)
        return;
    drag_.start = event->position().toPoint();
    setDragging(true);
}

void GraphController::volumeMarkerMoved(MarkerImage* marker, QMouseEvent* event) {
    if (!drag_.dragging)
        return;
    const int left = std::clamp(marker->x() + event->position().toPoint().x() - drag_.start.x(),
                                VolumeMarkerLeft, VolumeMarkerRight);
    if (auto* bar = dynamic_cast<TrackBar*>(console_.bindings().control(marker->tag())))
        bar->setPosition(
            static_cast<int>(std::nearbyint((left - VolumeMarkerLeft) / VolumePixelsPerStep)));
    // After the bar, which places its markers by its own rounding: while
    // dragged, the marker stays under the mouse.
    marker->move(left, marker->y());
    const char* readout = nullptr;
    switch (slotOf(marker->tag())) {
    case 4:
        readout = "musLabel";
        break;
    case 3:
        readout = "micLabel";
        break;
    case 5:
        readout = "EffLabel";
        break;
    default:
        break;
    }
    if (readout != nullptr) {
        if (auto* label = window_.control<QWidget>(QString::fromLatin1(readout)))
            label->show();
    }
}

void GraphController::volumeMarkerReleased() {
    if (!drag_.dragging)
        return;
    setDragging(false);
    for (const char* name : {"musLabel", "micLabel", "EffLabel"}) {
        if (auto* label = window_.control<QWidget>(QString::fromLatin1(name)))
            label->hide();
    }
}

} // namespace kdsp
