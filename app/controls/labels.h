#pragma once

#include "app/controls/control.h"

#include <QLabel>

namespace kdsp {

// A caption in the console language; its hint holds the other one.
class PlainLabel : public QLabel, public Control {
    Q_OBJECT
public:
    explicit PlainLabel(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::PlainLabel; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Band numbers, band-type letters, value read-outs and the title. A
// clickable one takes the mouse; any other lets a press through to the
// window, which drags it.
class StyledLabel : public QLabel, public Control {
    Q_OBJECT
public:
    explicit StyledLabel(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::StyledLabel; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

    void setClickable(bool clickable) { clickable_ = clickable; }

    // The selected band-type letter: white ground, grey text; the others
    // grey ground, white text.
    void setHighlighted(bool highlighted);
    bool highlighted() const { return highlighted_; }
    // A band number label shows its band chosen by being opaque.
    void setOpaque(bool opaque);
    bool opaque() const { return opaque_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool clickable_ = false;
    bool highlighted_ = false;
    bool opaque_ = false;
};

// The read-out beside a track bar; its hint is the value kind of the text.
class StatusPane : public QLabel, public Control {
    Q_OBJECT
public:
    explicit StatusPane(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::StatusPane; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }
};

// A small picture that can be dragged: the graph's band points and the
// volume markers. Its tag is its index or its address.
class MarkerImage : public QLabel, public Control {
    Q_OBJECT
public:
    explicit MarkerImage(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::MarkerImage; }
    QWidget* asWidget() override { return this; }
};

} // namespace kdsp
