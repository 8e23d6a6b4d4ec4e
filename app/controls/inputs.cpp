#include "app/controls/inputs.h"

#include <QMouseEvent>

namespace kdsp {

TrackBar::TrackBar(QWidget* parent, Qt::Orientation orientation) : QSlider(orientation, parent) {
    connect(this, &QSlider::valueChanged, this, &TrackBar::positionChanged);
}

void TrackBar::setPosition(int position) {
    const int clamped = std::clamp(position, minimum(), maximum());
    if (clamped == value())
        emit positionChanged(clamped);
    else
        setValue(clamped);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, &ComboBox::userChanged);
}

void ComboBox::setItemIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

Edit::Edit(QWidget* parent) : QLineEdit(parent) {
    setProperty("shade", "normal");
}

void Edit::setShade(Shade shade) {
    shade_ = shade;
    setProperty("shade", shade == Shade::Active     ? "active"
                         : shade == Shade::Previous ? "previous"
                                                    : "normal");
    Repolish(this);
}

void Edit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace kdsp
