#include "app/graph/graph_image.h"

#include <QImage>
#include <QPainter>

namespace kdsp {

GraphImage::GraphImage(QWidget* parent) : MarkerImage(parent) {}

void GraphImage::setPicture(const QImage* picture) {
    picture_ = picture;
    update();
}

void GraphImage::paintEvent(QPaintEvent* event) {
    if (picture_ == nullptr || picture_->isNull()) {
        MarkerImage::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, *picture_);
}

void GraphImage::resizeEvent(QResizeEvent* event) {
    MarkerImage::resizeEvent(event);
    emit resized();
}

} // namespace kdsp
