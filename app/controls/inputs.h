#pragma once

#include "app/controls/control.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace kdsp {

// A slider whose position change always runs its change handler, whether
// the user moved it or the console set it, and even when the position does
// not change: a refresh relies on the handler to write the read-out.
class TrackBar : public QSlider, public Control {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);

    ControlKind kind() const override { return ControlKind::TrackBar; }
    QWidget* asWidget() override { return this; }

    int position() const { return value(); }
    // Clamped to the range.
    void setPosition(int position);

signals:
    void positionChanged(int position);
};

// A list to choose from. Only the user's choice reaches `userChanged`;
// setting the index from code runs nothing.
class ComboBox : public QComboBox, public Control {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::ComboBox; }
    QWidget* asWidget() override { return this; }

    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index);

signals:
    void userChanged(int index);
};

// A text edit. Numeric edits carry their value kind in the hint; the edit
// the arrow keys act on is shown darker than the one highlighted before.
class Edit : public QLineEdit, public Control {
    Q_OBJECT
public:
    enum class Shade { Normal, Active, Previous };

    explicit Edit(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::Edit; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

    void setShade(Shade shade);
    Shade shade() const { return shade_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Shade shade_ = Shade::Normal;
};

} // namespace kdsp
