#include "app/controls/containers.h"

#include <QHeaderView>
#include <QTabBar>

namespace kdsp {

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {}

Panel::Panel(QWidget* parent) : QFrame(parent) {}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {}

void PageControl::addSheet(TabSheet* sheet) {
    addTab(sheet, sheet->caption());
    sheet->attach(this);
}

TabSheet* PageControl::sheet(int index) const {
    return dynamic_cast<TabSheet*>(widget(index));
}

void PageControl::setTabsShown(bool shown) {
    tabBar()->setVisible(shown);
}

TabSheet::TabSheet(QWidget* parent) : QWidget(parent) {}

void TabSheet::setCaption(const QString& caption) {
    caption_ = caption;
    if (owner_ != nullptr) {
        const int index = owner_->indexOf(this);
        if (index >= 0)
            owner_->setTabText(index, caption);
    }
}

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
}

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

ListGrid::ListGrid(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {}

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {}

} // namespace kdsp
