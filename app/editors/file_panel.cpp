#include "app/editors/file_panel.h"

#include "app/console/console.h"
#include "app/window/main_window.h"
#include "presets/preset_files.h"

#include <QAction>
#include <QHeaderView>
#include <algorithm>

namespace kdsp {

namespace {

std::size_t indexOf(PresetKind kind) {
    return kind == PresetKind::WholeSetup ? 0 : 1;
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

FilePanel::FilePanel(MainWindow& window, Console& console, PresetFiles& files)
    : window_(window), console_(console), files_(files) {
    const struct {
        PresetKind kind;
        const char* list;
        const char* name;
        const char* save;
        const char* load;
        const char* remove;
    } parts[] = {
        {PresetKind::WholeSetup, "ValueListEditor1", "FileEdit", "RzBmpButton120", "RzBmpButton119",
         "MenuItem1"},
        {PresetKind::HintEq, "ValueListEditor2", "FileEdit2", "HintSavetoPCBtn", "HintLoadPCBtn",
         "MenuItem2"},
    };
    for (const auto& part : parts) {
        const PresetKind kind = part.kind;
        Panel& p = panel(kind);
        p.list = window.control<ListGrid>(QString::fromLatin1(part.list));
        p.name = window.control<Edit>(QString::fromLatin1(part.name));
        // The list is for choosing; names are typed into the edit below it.
        p.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        p.list->setSelectionBehavior(QAbstractItemView::SelectRows);
        p.list->setSelectionMode(QAbstractItemView::SingleSelection);
        p.list->verticalHeader()->setVisible(false);
        p.list->horizontalHeader()->setStretchLastSection(true);
        connect(p.list, &QTableWidget::cellClicked, this,
                [this, kind](int row, int) { rowClicked(kind, row); });
        connect(window.control<QPushButton>(QString::fromLatin1(part.save)), &QPushButton::clicked,
                this, [this, kind] { save(kind); });
        connect(window.control<QPushButton>(QString::fromLatin1(part.load)), &QPushButton::clicked,
                this, [this, kind] { load(kind); });
        connect(window.findChild<QAction*>(QString::fromLatin1(part.remove)), &QAction::triggered,
                this, [this, kind] { remove(kind); });
    }
}

FilePanel::Panel& FilePanel::panel(PresetKind kind) {
    return panels_[indexOf(kind)];
}

void FilePanel::prepare() {
    files_.prepare();
    for (PresetKind kind : PresetKinds)
        showList(kind);
}

void FilePanel::showList(PresetKind kind, const QString& current) {
    Panel& p = panel(kind);
    const std::vector<std::string>& names = files_.names(kind);
    int row = p.list->currentRow();
    p.list->clearContents();
    p.list->setRowCount(static_cast<int>(names.size()));
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        p.list->setItem(i, 0, fixedItem(QString::number(i)));
        p.list->setItem(i, 1,
                        fixedItem(QString::fromStdString(names[static_cast<std::size_t>(i)])));
    }
    // The file just saved becomes the current row; otherwise the row the
    // list stood on stays current where it still exists.
    const auto saved = std::find(names.begin(), names.end(), current.toStdString());
    if (!current.isEmpty() && saved != names.end())
        row = static_cast<int>(saved - names.begin());
    row = names.empty() ? -1 : std::clamp(row, 0, static_cast<int>(names.size()) - 1);
    p.list->setCurrentCell(row, 1);
    p.name->setText(rowName(kind, row));
}

QString FilePanel::rowName(PresetKind kind, int row) {
    const QTableWidgetItem* item = row >= 0 ? panel(kind).list->item(row, 1) : nullptr;
    return item != nullptr ? item->text() : QString();
}

void FilePanel::rowClicked(PresetKind kind, int row) {
    Panel& p = panel(kind);
    p.name->setText(rowName(kind, row));
    if (window_.isVisible())
        p.name->setFocus();
}

void FilePanel::save(PresetKind kind) {
    const QString name = panel(kind).name->text();
    const SaveOutcome outcome = files_.save(kind, name.toStdString(), console_.language());
    if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::Failed)
        showList(kind, name);
}

void FilePanel::load(PresetKind kind) {
    files_.load(kind, panel(kind).name->text().toStdString(), console_.language());
}

void FilePanel::remove(PresetKind kind) {
    const QString name = rowName(kind, panel(kind).list->currentRow());
    if (name.isEmpty())
        return;
    files_.remove(kind, name.toStdString(), console_.language());
    showList(kind);
}

} // namespace kdsp
