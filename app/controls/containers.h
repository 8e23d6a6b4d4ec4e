#pragma once

#include "app/controls/control.h"

#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>

namespace kdsp {

class GroupBox : public QGroupBox, public Control {
    Q_OBJECT
public:
    explicit GroupBox(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::GroupBox; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return title(); }
    void setCaption(const QString& caption) override { setTitle(caption); }
};

class Panel : public QFrame, public Control {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::Panel; }
    QWidget* asWidget() override { return this; }
};

class TabSheet;

// A page control: one sheet shows at a time. The console's own page
// controls hide their tabs and are switched by buttons.
class PageControl : public QTabWidget, public Control {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::PageControl; }
    QWidget* asWidget() override { return this; }

    void addSheet(TabSheet* sheet);
    TabSheet* sheet(int index) const;
    int sheetCount() const { return count(); }
    void setTabsShown(bool shown);
};

// One page of a page control; its caption is its tab's text.
class TabSheet : public QWidget, public Control {
    Q_OBJECT
public:
    explicit TabSheet(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::TabSheet; }
    QWidget* asWidget() override { return this; }
    QString caption() const override { return caption_; }
    void setCaption(const QString& caption) override;

    // Set by the page control the sheet is added to.
    void attach(PageControl* owner) { owner_ = owner; }

private:
    QString caption_;
    PageControl* owner_ = nullptr;
};

class ScrollBox : public QScrollArea, public Control {
    Q_OBJECT
public:
    explicit ScrollBox(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::ScrollBox; }
    QWidget* asWidget() override { return this; }
};

class ScrollBar : public QScrollBar, public Control {
    Q_OBJECT
public:
    explicit ScrollBar(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::ScrollBar; }
    QWidget* asWidget() override { return this; }
};

// A two-column grid of numbered rows that does not take typing.
class ListGrid : public QTableWidget, public Control {
    Q_OBJECT
public:
    explicit ListGrid(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::ListGrid; }
    QWidget* asWidget() override { return this; }
};

class ListBox : public QListWidget, public Control {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::ListBox; }
    QWidget* asWidget() override { return this; }
};

class Memo : public QPlainTextEdit, public Control {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);

    ControlKind kind() const override { return ControlKind::Memo; }
    QWidget* asWidget() override { return this; }
};

} // namespace kdsp
