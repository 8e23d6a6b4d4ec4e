#include "app/editors/volume_markers.h"

#include "app/console/control_bindings.h"

#include <QEvent>
#include <QPoint>

namespace kdsp {

namespace {

// round(position * 1.89 + 53) in hundredths, halves to even, so that no
// binary fraction of 1.89 moves a marker by a pixel.
constexpr int FirstLeftHundredths = 5300;
constexpr int HundredthsPerStep = 189;

void put(MarkerImage* marker, int left, int top) {
    marker->move(left, top);
    marker->show();
    marker->raise();
}

} // namespace

int VolumeMarkerLeft(int position) {
    const int hundredths = position * HundredthsPerStep + FirstLeftHundredths;
    int left = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && left % 2 != 0))
        ++left;
    return left;
}

VolumeMarkers::VolumeMarkers(const ControlBindings& bindings) {
    const char* names[] = {"Mus", "Mic", "Eff"};
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        const QString stem = QString::fromLatin1(names[i]);
        Channel& channel = channels_[i];
        channel.current = bindings.find<TrackBar>("Sys" + stem + "NormalVolBar");
        channel.start = bindings.find<TrackBar>("Sys" + stem + "StartVolBar");
        channel.maximum = bindings.find<TrackBar>("Sys" + stem + "MaxVolBar");
        channel.startMarker = bindings.find<MarkerImage>(stem + "StartImage");
        channel.maximumMarker = bindings.find<MarkerImage>(stem + "MaxImage");
        if (channel.current != nullptr)
            channel.current->installEventFilter(this);
    }
}

void VolumeMarkers::place(int index) {
    if (index < 0 || index >= static_cast<int>(channels_.size()))
        return;
    Channel& channel = channels_[static_cast<std::size_t>(index)];
    if (channel.current == nullptr || channel.start == nullptr || channel.maximum == nullptr ||
        channel.startMarker == nullptr || channel.maximumMarker == nullptr)
        return;
    channel.placed = true;
    QWidget* parent = channel.startMarker->parentWidget();
    const int top = channel.current->mapTo(parent, QPoint(0, 0)).y();
    put(channel.startMarker, VolumeMarkerLeft(channel.start->position()),
        top - channel.startMarker->height() / 2);
    put(channel.maximumMarker, VolumeMarkerLeft(channel.maximum->position()),
        top + channel.current->height() - channel.maximumMarker->height() / 2);
}

bool VolumeMarkers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Move && event->type() != QEvent::Resize)
        return false;
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        if (channels_[i].current == watched && channels_[i].placed)
            place(static_cast<int>(i));
    }
    return false;
}

} // namespace kdsp
