#pragma once

#include "app/controls/control.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace kdsp {

class PageControl;

// The console's one window: frameless, dragged by any uncovered spot, with
// its own minimise, maximise/restore and close buttons. It owns every
// control and lays them out; what the controls do is the console's part.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 1205;
    static constexpr int DesignHeight = 609;

    explicit MainWindow(QWidget* parent = nullptr);

    // The control of that component name, or nullptr.
    template <class T = QWidget> T* control(const QString& name) const {
        return findChild<T*>(name);
    }

    PageControl* pageArea() const { return pages_; }

    // Maximised, the window fills the screen's work area, leaving the
    // taskbar free; restoring gives back the size and place it had.
    void toggleMaximised();
    bool isMaximisedToWorkArea() const { return maximised_; }

signals:
    // The window is closing: a linked box is to be signed off.
    void closing();
    void resized();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeUnlockPanel();

    PageControl* pages_ = nullptr;
    QWidget* unlockPanel_ = nullptr;
    bool maximised_ = false;
    QRect normalGeometry_;
    bool centred_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace kdsp
