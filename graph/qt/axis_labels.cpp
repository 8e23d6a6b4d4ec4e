#include "graph/qt/axis_labels.h"

#include "graph/grid.h"

#include <QLabel>
#include <QWidget>

namespace kdsp::graph {

void PlaceAxisLabels(QWidget* frame, const GraphScale& scale, QPoint imageOrigin) {
    if (frame == nullptr)
        return;
    const Point origin{imageOrigin.x(), imageOrigin.y()};
    for (const AxisLabel& caption : AxisLabels(scale, origin)) {
        const QString name = QString::fromStdString(caption.name);
        auto* label = frame->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
        if (label == nullptr) {
            label = new QLabel(frame);
            label->setObjectName(name);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            label->setStyleSheet(QStringLiteral(
                "QLabel { color: rgb(161,161,161); background: transparent; font-size: 10px; }"));
        }
        label->setText(QString::fromStdString(caption.caption));
        label->setAlignment(
            (caption.alignment == LabelAlignment::Right ? Qt::AlignRight : Qt::AlignHCenter) |
            Qt::AlignVCenter);
        label->setGeometry(caption.left, caption.top, caption.width, caption.height);
        label->setVisible(caption.top + caption.height / 2 >= imageOrigin.y());
        label->raise();
    }
}

} // namespace kdsp::graph
