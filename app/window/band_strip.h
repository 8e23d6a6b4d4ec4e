#pragma once

#include "app/controls/containers.h"

#include <string>
#include <vector>

namespace kdsp::build {

// Width of one band's column; the strips scroll by whole bands.
inline constexpr int BandColumnWidth = 65;

// The editors of band `band` (from 1) of view page `page`, named as the
// binding tables name them, with `numberLabel` above them.
QWidget* BandColumn(QWidget* parent, int page, int band, const std::string& numberLabel);

// Bands first..first+count-1 side by side, numbered from the label list
// (its first entry labels band `first`).
QWidget* BandRow(QWidget* parent, int page, int first, int count,
                 const std::vector<std::string>& numberLabels);

// A horizontally scrolled strip of all `count` bands of `page`; the window
// of the strip is moved by its pan bar or by the band highlighting.
ScrollBox* BandScrollBox(QWidget* parent, const QString& name, int page, int count,
                         const std::vector<std::string>& numberLabels);

} // namespace kdsp::build
