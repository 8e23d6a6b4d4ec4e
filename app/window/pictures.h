#pragma once

#include <QIcon>
#include <QPixmap>

namespace kdsp::pictures {

enum class TitleButton { Minimise, Maximise, Restore, Close };

// The pictures are drawn, so the console ships no image files.
QIcon TitleIcon(TitleButton button);
// Normal polarity ("+") and inverted ("−") faces of a phase button.
QIcon PhaseNormal();
QIcon PhaseInverted();
// A graph point marker (14 x 14) showing its band number, or H/L.
QPixmap PointMarker(const QString& text);
// A volume marker (8 x 8); the maximum marker is red, the start marker blue.
QPixmap VolumeMarker(bool maximum);

} // namespace kdsp::pictures
