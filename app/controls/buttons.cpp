#include "app/controls/buttons.h"

#include <QBoxLayout>

namespace kdsp {

Button::Button(QWidget* parent) : QPushButton(parent) {}

BitmapButton::BitmapButton(QWidget* parent) : QPushButton(parent) {
    setProperty("look", "up");
    setFocusPolicy(Qt::NoFocus);
}

void BitmapButton::setLook(Look look) {
    look_ = look;
    switch (look) {
    case Look::Up:
        setProperty("look", "up");
        break;
    case Look::Down:
        setProperty("look", "down");
        break;
    case Look::Dim:
        setProperty("look", "dim");
        break;
    }
    if (!up_.isNull())
        setIcon(look == Look::Down ? down_ : up_);
    Repolish(this);
}

void BitmapButton::setPictures(const QIcon& up, const QIcon& down) {
    up_ = up;
    down_ = down;
    setIcon(look_ == Look::Down ? down_ : up_);
}

ToolButton::ToolButton(QWidget* parent) : QToolButton(parent) {
    setProperty("selected", false);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void ToolButton::setSelectedLook(bool selected) {
    selected_ = selected;
    setProperty("selected", selected);
    Repolish(this);
}

SpinButtons::SpinButtons(QWidget* parent, Qt::Orientation orientation) : QWidget(parent) {
    QBoxLayout* layout = orientation == Qt::Vertical
                             ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                             : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(orientation == Qt::Vertical ? Qt::UpArrow : Qt::RightArrow);
    down->setArrowType(orientation == Qt::Vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton* button : {up, down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        if (orientation == Qt::Vertical)
            button->setFixedSize(12, 9);
        else
            button->setFixedSize(12, 18);
    }
    if (orientation == Qt::Vertical) {
        layout->addWidget(up);
        layout->addWidget(down);
    } else {
        layout->addWidget(down);
        layout->addWidget(up);
    }
    connect(up, &QToolButton::clicked, this, &SpinButtons::upClicked);
    connect(down, &QToolButton::clicked, this, &SpinButtons::downClicked);
}

} // namespace kdsp
