#include "app/controls/labels.h"

#include <QMouseEvent>
#include <QStyle>

namespace kdsp {

Control* AsControl(QObject* object) {
    return dynamic_cast<Control*>(object);
}

void Repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

PlainLabel::PlainLabel(QWidget* parent) : QLabel(parent) {}

void PlainLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

StyledLabel::StyledLabel(QWidget* parent) : QLabel(parent) {}

void StyledLabel::setHighlighted(bool highlighted) {
    if (highlighted_ == highlighted && property("highlighted").isValid())
        return;
    highlighted_ = highlighted;
    setProperty("highlighted", highlighted);
    Repolish(this);
}

void StyledLabel::setOpaque(bool opaque) {
    if (opaque_ == opaque && property("opaque").isValid())
        return;
    opaque_ = opaque;
    setProperty("opaque", opaque);
    Repolish(this);
}

void StyledLabel::mousePressEvent(QMouseEvent* event) {
    if (clickable_)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void StyledLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

StatusPane::StatusPane(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

MarkerImage::MarkerImage(QWidget* parent) : QLabel(parent) {}

} // namespace kdsp
