#include "app/graph/graph_controller.h"

#include "app/graph/graph_image.h"
#include "app/window/main_window.h"
#include "graph/qt/axis_labels.h"
#include "graph/readout.h"
#include "model/address_resolution.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

namespace kdsp {

namespace {

using graph::AllBands;
using graph::HighPassMarker;
using graph::LowPassMarker;

constexpr std::array<const char*, 6> VolumeMarkerNames = {
    "MusStartImage", "MusMaxImage", "MicStartImage", "MicMaxImage", "EffStartImage", "EffMaxImage"};

// The curve runs through the grid points up to the last interval's start.
constexpr std::size_t DrawnCurvePoints = dsp::ResponseGrid::Intervals;

std::span<const graph::Point> DrawnCurve(const graph::CurvePoints& points) {
    return std::span<const graph::Point>(points.data(), DrawnCurvePoints);
}

} // namespace

GraphController::GraphController(MainWindow& window, Console& console, audio::WaveInput& input)
    : window_(window), console_(console), recorder_(input, [this](std::function<void()> task) {
          QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
      }) {
    image_ = window.control<GraphImage>(QStringLiteral("Image1"));
    surface_ = window.control<QWidget>(QStringLiteral("AdvPanel2"));
    frame_ = window.control<QWidget>(QStringLiteral("AdvPanel1"));
    readout_ = window.control<StyledLabel>(QStringLiteral("EQlabel"));
    passLabel_ = window.control<StyledLabel>(QStringLiteral("EQPassLabel"));
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        const QString name = i < 20                ? QStringLiteral("EP%1").arg(i + 1)
                             : i == HighPassMarker ? QStringLiteral("HPF")
                                                   : QStringLiteral("LPF");
        markers_[i] = window.control<MarkerImage>(name);
        markers_[i]->installEventFilter(this);
    }
    for (std::size_t i = 0; i < volumeMarkers_.size(); ++i) {
        volumeMarkers_[i] = window.control<MarkerImage>(QString::fromLatin1(VolumeMarkerNames[i]));
        volumeMarkers_[i]->installEventFilter(this);
    }
    for (QObject* watched : {static_cast<QObject*>(image_), static_cast<QObject*>(surface_),
                             static_cast<QObject*>(readout_), static_cast<QObject*>(passLabel_)})
        watched->installEventFilter(this);

    image_->setPicture(&canvas_.picture());
    rebuild();
    connect(image_, &GraphImage::resized, this, [this] {
        rebuild();
        paintCurrentPage();
        const int sheet = currentSheet();
        if (sheet >= 0 && sheet <= 8)
            paintCurves(console_.selectedBand(sheet), currentPage());
    });
    connect(&console_, &Console::redrawRequested, this, &GraphController::paintCurrentPage);
    connect(&console_, &Console::lastEditChanged, this, &GraphController::repaintEdit);
    if (auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1")))
        connect(timer, &QTimer::timeout, this, &GraphController::tick);
    connect(window.control<QPushButton>(QStringLiteral("PinPPBtn")), &QPushButton::clicked, this,
            &GraphController::spectrumSwitchClicked);
    connect(window.control<QPushButton>(QStringLiteral("PinDCFBtn")), &QPushButton::clicked, this,
            &GraphController::lowTriggerClicked);
    startCapture();
}

GraphController::~GraphController() {
    recorder_.stop();
    image_->setPicture(nullptr);
}

int GraphController::currentPage() const {
    return console_.currentView() / 256;
}

int GraphController::currentSheet() const {
    return window_.pageArea()->currentIndex();
}

void GraphController::rebuild() {
    canvas_.rebuild(image_->size());
    placeLabels();
    image_->update();
}

void GraphController::placeLabels() {
    graph::PlaceAxisLabels(frame_, canvas_.scale(), image_->mapTo(frame_, QPoint(0, 0)));
}

bool GraphController::auxSecondSet() const {
    // The auxiliary page shows its second three bands unless one of the
    // first three is the chosen one.
    const std::vector<StyledLabel*>& labels = console_.bindings().numberLabels[6];
    for (std::size_t i = 0; i < 3 && i < labels.size(); ++i) {
        if (labels[i]->opaque())
            return false;
    }
    return true;
}

void GraphController::paintCurrentPage() {
    paintCurves(AllBands, currentPage());
}

void GraphController::paintCurves(int band, int page) {
    if (band > AllBands || band < 0 || console_.flags().loading || page < 0 ||
        page >= BandPageCount)
        return;
    const graph::LoadedBands loaded = graph::LoadPageBands(
        bands_, tags_, console_.model().viewValues(), page, band, auxSecondSet());
    const int last = loaded.lastRecord();

    if (band == AllBands) {
        for (int i = 0; i < dsp::GraphBands::Capacity; ++i)
            markers_[static_cast<std::size_t>(i)]->setVisible(i <= loaded.lastBand);
        markers_[HighPassMarker]->setVisible(loaded.crossovers > 0);
        markers_[LowPassMarker]->setVisible(loaded.crossovers > 1);
    }

    canvas_.restore();
    const graph::GraphScale& scale = canvas_.scale();
    for (int i = 0; i <= last; ++i) {
        if (band != AllBands && band != i)
            continue;
        const auto r = static_cast<std::size_t>(i);
        dsp::ComputeRecord(bands_, i);
        const dsp::BandTypeCode type = bands_.type[r];
        int marker = i;
        if (type >= dsp::HighPassBand) {
            bands_.gain[r] = 0.0f;
            marker = type < dsp::LowPassBand ? HighPassMarker : LowPassMarker;
        }
        // While a marker is dragged it stays where the mouse puts it.
        if (!drag_.dragging)
            placeMarker(marker, graph::MarkerTopLeft(scale, bands_.frequency[r], bands_.gain[r]));
    }

    if (band == AllBands)
        readout_->hide();
    else if (band <= last)
        showReadout(band);

    if (analyser_.on())
        paintSpectrum(true);

    curvePoints_ = graph::SummedCurvePoints(scale, bands_, last + 1, page == PageAux);
    if (page == PageAux) {
        const bool second = auxSecondSet();
        for (std::size_t i = 0; i < 6; ++i)
            markers_[i]->setVisible((i >= 3) == second);
    }
    canvas_.drawCurve(DrawnCurve(curvePoints_), console_.curveColour());
    image_->update();
}

void GraphController::placeMarker(int marker, graph::Point topLeft) {
    MarkerImage* image = markers_[static_cast<std::size_t>(marker)];
    if (image->pos() != QPoint(topLeft.x, topLeft.y))
        image->move(topLeft.x, topLeft.y);
}

void GraphController::showReadout(int record) {
    const auto r = static_cast<std::size_t>(record);
    const dsp::BandTypeCode type = bands_.type[r];
    const int anchor = type >= dsp::LowPassBand    ? LowPassMarker
                       : type >= dsp::HighPassBand ? HighPassMarker
                                                   : record;
    readout_->setText(QString::fromStdString(
        graph::ReadoutCaption(type, bands_.frequency[r], bands_.gain[r], bands_.q[r])));
    readout_->adjustSize();
    readout_->show();
    readout_->raise();
    const MarkerImage* marker = markers_[static_cast<std::size_t>(anchor)];
    const graph::Point at =
        graph::ReadoutTopLeft({marker->x(), marker->y()}, marker->height(), bands_.gain[r],
                              readout_->width(), readout_->height());
    if (readout_->pos() != QPoint(at.x, at.y))
        readout_->move(at.x, at.y);
}

void GraphController::paintSpectrum(bool overlay) {
    if (analyser_.kind() == static_cast<int>(graph::SpectrumKind::Hidden))
        return;
    if (!overlay)
        canvas_.restore();
    canvas_.drawSpectrum(analyser_.drawing(canvas_.scale()));
    if (!overlay) {
        canvas_.drawCurve(DrawnCurve(curvePoints_), console_.curveColour());
        image_->update();
    }
}

void GraphController::repaintEdit(TagValue edit) {
    // Only the page on the graph is drawn: an edit elsewhere (the input
    // gain while a microphone page shows) would put another page's curve
    // on it.
    if (pageOf(edit.tag) != currentPage())
        return;
    paintCurves(BandOfTag(edit.tag) / 256, pageOf(edit.tag));
}

void GraphController::tick() {
    analyser_.setFrozen(console_.captureFrozen());
    if (drag_.dragging)
        return;
    applyDrag();
    if (!analyser_.on())
        return;
    switch (analyser_.tick()) {
    case graph::SpectrumCadence::Step::Compute:
        analyser_.compute();
        break;
    case graph::SpectrumCadence::Step::Paint:
        paintSpectrum(false);
        break;
    case graph::SpectrumCadence::Step::None:
        break;
    }
}

bool GraphController::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == surface_) {
        if (type == QEvent::Move || type == QEvent::Resize)
            placeLabels();
        return false;
    }
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool move = type == QEvent::MouseMove;
    const bool release = type == QEvent::MouseButtonRelease;
    if (!press && !move && !release)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);

    for (MarkerImage* marker : markers_) {
        if (watched != marker)
            continue;
        if (press)
            markerPressed(marker, mouse);
        else if (move)
            markerMoved(marker, mouse);
        else
            markerReleased(marker, mouse);
        return true;
    }
    for (MarkerImage* marker : volumeMarkers_) {
        if (watched != marker)
            continue;
        if (press)
            volumeMarkerPressed(marker, mouse);
        else if (move)
            volumeMarkerMoved(marker, mouse);
        else
            volumeMarkerReleased();
        return true;
    }
    if (watched == image_) {
        if (move)
            graphMoved(mouse);
        else if (release)
            graphReleased(mouse);
        // The graph is no handle for moving the window.
        return true;
    }
    if (watched == readout_ || watched == passLabel_) {
        if (release) {
            drag_.stepMode = false;
            setDragging(false);
        }
        return true;
    }
    return false;
}

} // namespace kdsp
