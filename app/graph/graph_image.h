#pragma once

#include "app/controls/labels.h"

class QImage;

namespace kdsp {

// Image1, the graph's drawing surface: shows the picture the graph paints
// and says when its size changed, so the graph can be rebuilt to fit.
class GraphImage : public MarkerImage {
    Q_OBJECT
public:
    explicit GraphImage(QWidget* parent = nullptr);

    // The picture shown from now on (owned by the caller, who calls
    // update() after drawing on it); nullptr shows the plain background.
    void setPicture(const QImage* picture);

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QImage* picture_ = nullptr;
};

} // namespace kdsp
