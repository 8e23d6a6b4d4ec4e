#pragma once

#include <QString>

class QObject;
class QWidget;

namespace kdsp {

// The kinds of control the console tells apart where behaviour depends on
// the class: which texts the language switch exchanges, which controls a
// value is shown in, which buttons a refresh clicks.
enum class ControlKind {
    PlainLabel,   // a caption in one language, the other in its hint
    StyledLabel,  // numbers, letters and the title: never translated
    Button,       // a plain push button
    BitmapButton, // a button with an up and a down look; captions from a pair table
    ToolButton,   // page tabs, effect and hint sub-tabs, the language button
    GroupBox,
    TabSheet,
    PageControl,
    Panel,
    TrackBar,
    ComboBox,
    Edit,
    SpinButtons,
    StatusPane, // a track bar's read-out
    ScrollBox,
    ScrollBar,
    ListGrid,
    ListBox,
    Memo,
    MarkerImage,
};

// What every console control carries besides its widget: the parameter
// address (page * 256 + slot) or a small number of its own in `tag`, and in
// `hint` either the other language's caption or a number (a value kind, a
// two-state value, a band type).
class Control {
public:
    virtual ~Control() = default;

    virtual ControlKind kind() const = 0;
    virtual QWidget* asWidget() = 0;

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }

    // The visible text; controls without one ignore it.
    virtual QString caption() const { return {}; }
    virtual void setCaption(const QString&) {}

private:
    int tag_ = 0;
    QString hint_;
};

// The control behind a widget, or nullptr for a widget that is none.
Control* AsControl(QObject* object);

// Re-applies the style sheet after a look property changed.
void Repolish(QWidget* widget);

} // namespace kdsp
