#include "app/window/pictures.h"

#include <QPainter>

namespace kdsp::pictures {

namespace {

QPixmap blank(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon TitleIcon(TitleButton button) {
    QPixmap pixmap = blank(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(240, 240, 240), 1.6));
    switch (button) {
    case TitleButton::Minimise:
        painter.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
        break;
    case TitleButton::Maximise:
        painter.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    case TitleButton::Restore:
        painter.drawRect(QRectF(3.5, 6.5, 7, 6));
        painter.drawPolyline(QPolygonF({QPointF(6.5, 6.5), QPointF(6.5, 3.5), QPointF(13.5, 3.5),
                                        QPointF(13.5, 9.5), QPointF(10.5, 9.5)}));
        break;
    case TitleButton::Close:
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return QIcon(pixmap);
}

namespace {

QIcon phaseFace(bool inverted) {
    QPixmap pixmap = blank(14, 14);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(inverted ? QColor(243, 152, 0) : QColor(70, 70, 70), 2));
    painter.drawLine(QPointF(3, 7), QPointF(11, 7));
    if (!inverted)
        painter.drawLine(QPointF(7, 3), QPointF(7, 11));
    return QIcon(pixmap);
}

} // namespace

QIcon PhaseNormal() {
    return phaseFace(false);
}
QIcon PhaseInverted() {
    return phaseFace(true);
}

QPixmap PointMarker(const QString& text) {
    QPixmap pixmap = blank(14, 14);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 102, 0), 1));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QRectF(0.5, 0.5, 13, 13));
    QFont font = painter.font();
    font.setPixelSize(8);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 14, 14), Qt::AlignCenter, text);
    return pixmap;
}

QPixmap VolumeMarker(bool maximum) {
    QPixmap pixmap = blank(8, 8);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(maximum ? QColor(220, 40, 40) : QColor(40, 90, 220));
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(8, 0), QPointF(4, 8)}));
    return pixmap;
}

} // namespace kdsp::pictures
