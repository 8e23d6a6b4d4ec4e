#include "app/window/main_window.h"

#include "app/controls/buttons.h"
#include "app/controls/containers.h"
#include "app/window/parts.h"
#include "app/window/pictures.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace kdsp {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KdspMainWindow"));
    setWindowTitle(QStringLiteral("KaraoKe Digital Signal Processor"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(build::ConsoleStyleSheet());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(build::TitleStrip(this));
    layout->addWidget(build::TabRow(this));

    auto* body = new QHBoxLayout;
    body->setContentsMargins(3, 3, 3, 3);
    body->setSpacing(4);
    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    auto* pages = build::PageArea(this);
    pages_ = static_cast<PageControl*>(pages);
    // Enough for a band strip; more height goes to the graph.
    pages->setFixedHeight(250);
    left->addWidget(pages, 0);
    left->addWidget(build::GraphArea(this), 1);
    body->addLayout(left, 1);
    body->addWidget(build::SystemArea(this));
    layout->addLayout(body, 1);

    unlockPanel_ = build::UnlockPanel(this);
    build::InvisibleHelpers(this);

    auto* maximise = control<BitmapButton>(QStringLiteral("RzBmpButton1"));
    connect(control<BitmapButton>(QStringLiteral("RzBmpButton2")), &QPushButton::clicked, this,
            &QWidget::showMinimized);
    connect(maximise, &QPushButton::clicked, this, &MainWindow::toggleMaximised);
    connect(control<BitmapButton>(QStringLiteral("RzBmpButton3")), &QPushButton::clicked, this,
            &QWidget::close);

    resize(DesignWidth, DesignHeight);
}

void MainWindow::toggleMaximised() {
    auto* button = control<BitmapButton>(QStringLiteral("RzBmpButton1"));
    if (maximised_) {
        maximised_ = false;
        setGeometry(normalGeometry_);
        const QIcon icon = pictures::TitleIcon(pictures::TitleButton::Maximise);
        button->setPictures(icon, icon);
        return;
    }
    normalGeometry_ = geometry();
    maximised_ = true;
    // A frameless window maximised by the system would cover the taskbar.
    if (QScreen* display = screen())
        setGeometry(display->availableGeometry());
    const QIcon icon = pictures::TitleIcon(pictures::TitleButton::Restore);
    button->setPictures(icon, icon);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    // Platforms without a system move get a move by hand.
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragOffset_);
    else
        QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeUnlockPanel();
    emit resized();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_ || screen() == nullptr)
        return;
    centred_ = true;
    QRect frame = geometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::placeUnlockPanel() {
    if (unlockPanel_ == nullptr || pages_ == nullptr)
        return;
    unlockPanel_->adjustSize();
    const QRect area = pages_->geometry();
    unlockPanel_->move(area.center() -
                       QPoint(unlockPanel_->width() / 2, unlockPanel_->height() / 2));
    unlockPanel_->raise();
}

} // namespace kdsp
