#pragma once

#include "app/console/console.h"
#include "audio/recorder.h"
#include "dsp/graph_band.h"
#include "graph/curve_points.h"
#include "graph/page_bands.h"
#include "graph/qt/graph_canvas.h"
#include "graph/spectrum_analyser.h"

#include <QObject>
#include <QPoint>

namespace kdsp {

class GraphImage;
class MainWindow;
class MarkerImage;
class StyledLabel;

// The response graph of the main window: paints the summed response of
// the page being edited with its band markers and read-out, lets the user
// drag the markers (values go to the bound controls, which store and send
// them like any edit), and shows the live spectrum of the capture input
// beneath the curve.
//
// It listens to the console for redraws, to the window timer for the
// 10 ms poll, and captures from `input` from the moment it is made.
class GraphController : public QObject {
    Q_OBJECT
public:
    GraphController(MainWindow& window, Console& console, audio::WaveInput& input);
    ~GraphController() override;

    // Draws the curves of view page `page`: record `band` recomputed (or
    // every record for graph::AllBands) and the whole sum drawn again.
    void paintCurves(int band, int page);
    // All bands of the page the panel shows.
    void paintCurrentPage();

    // Hands dragged values to the controls, then repaints the band whose
    // parameter was set last if that changed.
    void applyDrag();
    // The 10 ms poll of the window timer.
    void tick();

    const graph::GraphCanvas& canvas() const { return canvas_; }
    const dsp::GraphBands& bands() const { return bands_; }
    const graph::CurvePoints& curvePoints() const { return curvePoints_; }
    const graph::SpectrumAnalyser& analyser() const { return analyser_; }
    bool dragging() const { return drag_.dragging; }
    // Why capture did not start, when it did not.
    const std::string& captureError() const { return recorder_.lastError(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One drag of a graph or volume marker; also the Q stepping of the
    // right button.
    struct DragState {
        bool dragging = false;
        int markerIndex = -1;
        QPoint start;         // press point in the marker
        QPoint stepAnchor;    // last stepping point, in graph image pixels
        graph::PointF offset; // of the band's point from the marker's centre
        bool stepMode = false;
        int lastIndex = 0;
        int pendingFreq = 0;
        int pendingGain = 0;
        int appliedFreq = 0;
        int appliedGain = 0;
    };

    // graph_controller.cpp: painting
    void rebuild();
    void placeLabels();
    void placeMarker(int marker, graph::Point topLeft);
    void showReadout(int record);
    void paintSpectrum(bool overlay);
    bool auxSecondSet() const;
    int currentPage() const;
    int currentSheet() const;
    void repaintEdit(TagValue edit);

    // graph_drag.cpp: the mouse on markers and on the graph
    bool automaticLock() const;
    Edit* frequencyEdit(int marker) const;
    Control* frequencyControl(int record) const;
    void setDragging(bool dragging);
    void beginDrag(const MarkerImage* marker);
    void markerPressed(MarkerImage* marker, QMouseEvent* event);
    void markerMoved(MarkerImage* marker, QMouseEvent* event);
    void markerReleased(MarkerImage* marker, QMouseEvent* event);
    void graphMoved(QMouseEvent* event);
    void graphReleased(QMouseEvent* event);
    void volumeMarkerPressed(MarkerImage* marker, QMouseEvent* event);
    void volumeMarkerMoved(MarkerImage* marker, QMouseEvent* event);
    void volumeMarkerReleased();

    // graph_spectrum.cpp: the analyser's switches and capture
    void startCapture();
    void spectrumSwitchClicked();
    void lowTriggerClicked();

    MainWindow& window_;
    Console& console_;
    GraphImage* image_ = nullptr;
    QWidget* surface_ = nullptr; // AdvPanel2
    QWidget* frame_ = nullptr;   // AdvPanel1
    StyledLabel* readout_ = nullptr;
    StyledLabel* passLabel_ = nullptr;
    std::array<MarkerImage*, dsp::GraphBands::Capacity> markers_{};
    std::array<MarkerImage*, 6> volumeMarkers_{};

    graph::GraphCanvas canvas_;
    dsp::GraphBands bands_;
    graph::MarkerTags tags_;
    graph::CurvePoints curvePoints_{};
    DragState drag_;

    graph::SpectrumAnalyser analyser_;
    audio::Recorder recorder_;
};

} // namespace kdsp
