#pragma once

#include "app/controls/buttons.h"
#include "app/controls/containers.h"
#include "app/controls/inputs.h"
#include "app/controls/labels.h"

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

class QGridLayout;

namespace kdsp::build {

// Creates a control of class T under `parent` with the component name.
template <class T, class... Args> T* Make(QWidget* parent, const QString& name, Args&&... args) {
    auto* control = new T(parent, std::forward<Args>(args)...);
    control->setObjectName(name);
    return control;
}

inline QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Bilingual controls are built with the Chinese caption showing and the
// English one in the hint.
PlainLabel* Label(QWidget* parent, const QString& name, const QString& chinese,
                  const QString& english);
GroupBox* Group(QWidget* parent, const QString& name, const QString& chinese,
                const QString& english);
TabSheet* Sheet(QWidget* parent, const QString& name, const QString& chinese,
                const QString& english);
ToolButton* Tab(QWidget* parent, const QString& name, const QString& chinese,
                const QString& english, int tag);
Button* PushButton(QWidget* parent, const QString& name, const QString& chinese,
                   const QString& english);
// Bitmap buttons take their texts from the language switch's pair table.
BitmapButton* Bitmap(QWidget* parent, const QString& name, const QString& caption,
                     const QString& hint = {});
// A two-state phase or mute button; its hint holds its value.
BitmapButton* PhaseButton(QWidget* parent, const QString& name);
BitmapButton* MuteButton(QWidget* parent, const QString& name, const QString& caption);

ComboBox* Combo(QWidget* parent, const QString& name, std::span<const std::string_view> items,
                const QString& hint);
ComboBox* CrossoverBox(QWidget* parent, const QString& name, bool highPass);
Edit* NumberEdit(QWidget* parent, const QString& name, int kind);
StatusPane* Pane(QWidget* parent, const QString& name, int kind);
TrackBar* Bar(QWidget* parent, const QString& name, int minimum, int maximum,
              Qt::Orientation orientation = Qt::Horizontal);

// One row of a group of track bars: caption, bar, read-out pane and, where
// the slot has one, the phase button beside it.
struct BarRow {
    std::string_view stem; // the bar is stem + "Bar", the pane stem + "Pane"
    int maximum;
    int kind; // the pane's value kind
    const char* chinese;
    const char* english;
    std::string_view phaseButton = {};
};

// Appends the rows to `grid` from its next free row; returns the grid.
QGridLayout* AddBarRows(QGridLayout* grid, QWidget* parent, std::span<const BarRow> rows,
                        const QString& suffix = {});
// The five mix levels of an output (music, microphone, echo A and B,
// reverb) with their phase buttons: PREFIX + "MusLevel", "MicLevel", ...
QGridLayout* AddMixRows(QGridLayout* grid, QWidget* parent, std::string_view prefix);
// A crossover block: high-pass and low-pass type boxes each above its bar.
void AddCrossoverRows(QGridLayout* grid, QWidget* parent, const QString& highPassBox,
                      std::string_view highPassStem, const QString& lowPassBox,
                      std::string_view lowPassStem);

// A group box holding a grid; the grid is returned through `grid`.
GroupBox* GridGroup(QWidget* parent, const QString& name, const QString& chinese,
                    const QString& english, QGridLayout** grid);

} // namespace kdsp::build
