#pragma once

#include <QObject>
#include <array>

namespace kdsp {

class ControlBindings;
class MarkerImage;
class TrackBar;

// Left edge, in the marker's parent, of a volume marker standing for bar
// position 0..84: round(position * 1.89 + 53), so 53 to 212 pixels.
// Dragging a marker reads the position back through the same rule.
int VolumeMarkerLeft(int position);

// The start and maximum markers of the three volume channels (music,
// microphone, effect), drawn along each channel's current-volume bar: the
// start marker on its upper edge, the maximum marker on its lower edge.
// They show from the first placing on and follow the bar when the layout
// moves it.
class VolumeMarkers : public QObject {
    Q_OBJECT
public:
    explicit VolumeMarkers(const ControlBindings& bindings);

    // Places channel `channel`'s markers at its start and maximum bars'
    // positions.
    void place(int channel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Channel {
        TrackBar* current = nullptr;
        TrackBar* start = nullptr;
        TrackBar* maximum = nullptr;
        MarkerImage* startMarker = nullptr;
        MarkerImage* maximumMarker = nullptr;
        bool placed = false;
    };
    std::array<Channel, 3> channels_{};
};

} // namespace kdsp
