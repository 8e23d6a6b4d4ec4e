#include "app/window/band_strip.h"
#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/binding_tables.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QMenu>

namespace kdsp::build {

namespace {

GroupBox* hintModePage(QWidget* parent) {
    QGridLayout* grid = nullptr;
    GroupBox* group =
        GridGroup(parent, QStringLiteral("HintModePage"), QStringLiteral("保存 / 调用模式"),
                  QStringLiteral("Save / Load mode"), &grid);
    grid->addWidget(Label(group, {}, QStringLiteral("模式"), QStringLiteral("Mode")), 0, 0);
    grid->addWidget(Make<ComboBox>(group, QStringLiteral("SysMode2Box")), 0, 1);
    grid->addWidget(Label(group, {}, QStringLiteral("名称"), QStringLiteral("Name")), 1, 0);
    auto* name = Make<Edit>(group, QStringLiteral("PresetMode2Edit"));
    name->setMaxLength(20);
    grid->addWidget(name, 1, 1);
    grid->addWidget(
        Bitmap(group, QStringLiteral("SysLoad2ModeBtn"), QStringLiteral("调用设备模式")), 2, 0, 1,
        2);
    grid->addWidget(
        Bitmap(group, QStringLiteral("SysSave2ModeBtn"), QStringLiteral("保存设备模式")), 3, 0, 1,
        2);

    auto* files = Make<ListGrid>(group, QStringLiteral("ValueListEditor2"));
    files->setHorizontalHeaderLabels({QStringLiteral("NO."), QStringLiteral("File Name")});
    files->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->addWidget(files, 0, 2, 3, 2);
    grid->addWidget(Make<Edit>(group, QStringLiteral("FileEdit2")), 3, 2, 1, 2);
    grid->addWidget(
        Bitmap(group, QStringLiteral("HintSavetoPCBtn"), QStringLiteral("保存数据到电脑")), 4, 2);
    grid->addWidget(
        Bitmap(group, QStringLiteral("HintLoadPCBtn"), QStringLiteral("上传数据到设备")), 4, 3);

    auto* menu = Make<QMenu>(group, QStringLiteral("DeletePopupMenu2"));
    auto* item = menu->addAction(QStringLiteral("刪除"));
    item->setObjectName(QStringLiteral("MenuItem2"));
    item->setData(QStringLiteral("Delete"));
    QObject::connect(files, &QWidget::customContextMenuRequested, menu,
                     [menu, files](const QPoint& at) { menu->popup(files->mapToGlobal(at)); });
    group->setVisible(false);
    return group;
}

} // namespace

TabSheet* HintSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet5_Center"), QStringLiteral("中置"),
                            QStringLiteral("Center"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    auto* tabs = new QVBoxLayout;
    const struct {
        const char* name;
        const char* chinese;
        const char* english;
    } subTabs[] = {{"HintMusBtn", "音乐", "Music"},
                   {"HintMicABtn", "话筒1", "MIC 1"},
                   {"HintMicBBtn", "话筒2", "MIC 2"},
                   {"HintSysBtn", "系统设定", "System"}};
    int tag = 0;
    for (const auto& subTab : subTabs) {
        ToolButton* button =
            Tab(sheet, QString::fromLatin1(subTab.name), QString::fromUtf8(subTab.chinese),
                QString::fromUtf8(subTab.english), tag++);
        button->setProperty("subTab", true);
        tabs->addWidget(button);
    }
    tabs->addStretch(1);
    layout->addLayout(tabs);

    GroupBox* bands = Group(sheet, {}, QStringLiteral("均衡"), QStringLiteral("EQ"));
    auto* bandLayout = new QVBoxLayout(bands);
    bandLayout->setContentsMargins(2, 0, 2, 2);
    bandLayout->addWidget(BandScrollBox(bands, QStringLiteral("AdvScrollBox2"), PageHint, 5,
                                        BandNumberLabelNames(4)));
    layout->addWidget(bands);
    layout->addWidget(hintModePage(sheet), 1);
    layout->addStretch(0);
    return sheet;
}

} // namespace kdsp::build
