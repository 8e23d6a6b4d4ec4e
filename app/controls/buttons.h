#pragma once

#include "app/controls/control.h"

#include <QIcon>
#include <QPushButton>
#include <QToolButton>

namespace kdsp {

class Button : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit Button(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::Button; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }
};

// A button drawn in one of three looks. Two-state buttons keep their value
// ("0"/"1") in the hint and show it by their look or by their pictures.
class BitmapButton : public QPushButton, public Control {
    Q_OBJECT
public:
    enum class Look { Up, Down, Dim };

    explicit BitmapButton(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::BitmapButton; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

    void setLook(Look look);
    Look look() const { return look_; }

    // The pictures for the up and the down look; a button with pictures
    // shows the one of its look instead of a coloured face.
    void setPictures(const QIcon& up, const QIcon& down);
    const QIcon& upPicture() const { return up_; }
    const QIcon& downPicture() const { return down_; }

    // A phase button shows its value by picture alone.
    void setPhaseButton(bool phase) { phase_ = phase; }
    bool isPhaseButton() const { return phase_; }

private:
    Look look_ = Look::Up;
    QIcon up_;
    QIcon down_;
    bool phase_ = false;
};

// The page tabs, the sub-tabs and the language button. A selected tab shows
// white text on the pressed face, the others orange text.
class ToolButton : public QToolButton, public Control {
    Q_OBJECT
public:
    explicit ToolButton(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::ToolButton; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

    void setSelectedLook(bool selected);
    bool selectedLook() const { return selected_; }

private:
    bool selected_ = false;
};

// A pair of arrow buttons that steps the control bound to its tag.
class SpinButtons : public QWidget, public Control {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

    ControlKind kind() const override { return ControlKind::SpinButtons; }
    QWidget* asWidget() override { return this; }

signals:
    void upClicked();   // up or right
    void downClicked(); // down or left
};

} // namespace kdsp
