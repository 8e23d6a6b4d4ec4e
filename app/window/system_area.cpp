#include "app/window/builder.h"
#include "app/window/parts.h"
#include "app/window/pictures.h"
#include "model/binding_tables.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QMenu>

namespace kdsp::build {

namespace {

// The three volume bars of one role ("0" current, "1" start, "2" maximum).
GroupBox* volumeGroup(QWidget* parent, const char* role, const QString& chinese,
                      const QString& english, bool markers) {
    QGridLayout* grid = nullptr;
    GroupBox* group = GridGroup(parent, {}, chinese, english, &grid);
    const std::string_view kind = role[0] == '0' ? "Normal" : "Max";
    const struct {
        const char* channel;
        const char* chinese;
        const char* english;
        const char* valueLabel;
    } channels[] = {{"Mus", "音乐", "Music", "musLabel"},
                    {"Mic", "话筒", "MIC", "micLabel"},
                    {"Eff", "效果", "Effect", "EffLabel"}};
    int r = 0;
    for (const auto& channel : channels) {
        const QString stem = QStringLiteral("Sys") + QString::fromLatin1(channel.channel) +
                             Name(kind) + QStringLiteral("Vol");
        grid->addWidget(Label(group, {}, QString::fromUtf8(channel.chinese),
                              QString::fromUtf8(channel.english)),
                        r, 0);
        TrackBar* bar = Bar(group, stem + "Bar", 0, 84);
        bar->setHint(QString::fromLatin1(role));
        grid->addWidget(bar, r, 1);
        grid->addWidget(Pane(group, stem + "Pane", 0), r, 2);
        if (markers) {
            // Placed beside the bar by the volume editor; hidden until then.
            for (const char* which : {"StartImage", "MaxImage"}) {
                auto* marker = Make<MarkerImage>(group, QString::fromLatin1(channel.channel) +
                                                            QString::fromLatin1(which));
                marker->setPixmap(pictures::VolumeMarker(which[0] == 'M'));
                marker->setFixedSize(8, 8);
                marker->setVisible(false);
            }
            auto* value = Make<StyledLabel>(group, QString::fromLatin1(channel.valueLabel));
            value->setVisible(false);
        }
        ++r;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

TabSheet* mainSettings(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet1"), QStringLiteral("主控界面"),
                            QStringLiteral("Main Setting"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(
        volumeGroup(sheet, "0", QStringLiteral("音量"), QStringLiteral("Volume"), true));

    auto* modes = Make<GroupBox>(sheet, QStringLiteral("AdvGroupBox23"));
    auto* modeLayout = new QGridLayout(modes);
    modeLayout->setContentsMargins(4, 4, 4, 4);
    modeLayout->setSpacing(2);
    modeLayout->addWidget(
        Label(modes, {}, QStringLiteral("调用模式："), QStringLiteral("User mode setting：")), 0, 0,
        1, 4);
    for (std::size_t i = 0; i < FactoryModeButtonNames.size(); ++i) {
        const QString caption = i < 6 ? QString::number(i + 1) : QStringLiteral("...");
        BitmapButton* button = Bitmap(modes, Name(FactoryModeButtonNames[i]), caption);
        button->setMinimumWidth(30);
        modeLayout->addWidget(button, 1 + static_cast<int>(i) / 4, static_cast<int>(i) % 4);
    }
    layout->addWidget(modes);

    QGridLayout* grid = nullptr;
    GroupBox* password =
        GridGroup(sheet, QStringLiteral("AdvGroupBox25"), QStringLiteral("联机密码"),
                  QStringLiteral("Device password"), &grid);
    grid->addWidget(Label(password, {}, QStringLiteral("旧密码"), QStringLiteral("Old")), 0, 0);
    auto* oldPassword = Make<Edit>(password, QStringLiteral("PassPanelLabel1"));
    oldPassword->setMaxLength(4);
    grid->addWidget(oldPassword, 0, 1);
    grid->addWidget(Bitmap(password, QStringLiteral("RzBmpButton22"), QStringLiteral("确定")), 0,
                    2);
    grid->addWidget(Label(password, {}, QStringLiteral("新密码"), QStringLiteral("New")), 1, 0);
    auto* newPassword = Make<Edit>(password, QStringLiteral("NewPassLabel1"));
    newPassword->setMaxLength(4);
    newPassword->setEchoMode(QLineEdit::Password);
    newPassword->setEnabled(false);
    grid->addWidget(newPassword, 1, 1);
    grid->addWidget(Bitmap(password, QStringLiteral("RzBmpButton23"), QStringLiteral("修改")), 1,
                    2);
    layout->addWidget(password);

    GroupBox* network = GridGroup(sheet, {}, QStringLiteral("IP地址/端口："),
                                  QStringLiteral("IP Address/Port:"), &grid);
    auto* host = Make<Edit>(network, QStringLiteral("IPstrEdit"));
    host->setText(QStringLiteral("192.168.1.200"));
    grid->addWidget(host, 0, 0);
    auto* port = Make<Edit>(network, QStringLiteral("IPPortStrEdit"));
    port->setText(QStringLiteral("8899"));
    port->setMaximumWidth(60);
    grid->addWidget(port, 0, 1);
    layout->addWidget(network);
    layout->addStretch(1);
    return sheet;
}

TabSheet* systemSettings(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet2"), QStringLiteral("系统设定"),
                            QStringLiteral("System setting"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(volumeGroup(sheet, "2", QStringLiteral("最大音量"),
                                  QStringLiteral("Maximum volume"), false));

    QGridLayout* grid = nullptr;
    GroupBox* modes =
        GridGroup(sheet, QStringLiteral("AdvGroupBox26"), QStringLiteral("保存 / 调用模式"),
                  QStringLiteral("Save / Load mode"), &grid);
    grid->addWidget(Label(modes, {}, QStringLiteral("模式"), QStringLiteral("Mode")), 0, 0);
    grid->addWidget(Make<ComboBox>(modes, QStringLiteral("SysModeBox")), 0, 1, 1, 2);
    grid->addWidget(Label(modes, {}, QStringLiteral("名称"), QStringLiteral("Name")), 1, 0);
    auto* name = Make<Edit>(modes, QStringLiteral("PresetModeEdit"));
    name->setMaxLength(20);
    grid->addWidget(name, 1, 1, 1, 2);
    grid->addWidget(Bitmap(modes, QStringLiteral("SysLoadModeBtn"), QStringLiteral("调用设备模式")),
                    2, 1);
    grid->addWidget(Bitmap(modes, QStringLiteral("SysSaveModeBtn"), QStringLiteral("保存设备模式")),
                    2, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(modes);

    auto* lock = new QHBoxLayout;
    lock->addWidget(
        Label(sheet, {}, QStringLiteral(" 联机密码/键盘锁"), QStringLiteral(" Password/Key lock")),
        1);
    lock->addWidget(
        Bitmap(sheet, QStringLiteral("SysPanelBtn1"), QStringLiteral("禁用"), QStringLiteral("0")));
    lock->addWidget(
        Bitmap(sheet, QStringLiteral("SysPanelBtn2"), QStringLiteral("启用"), QStringLiteral("1")));
    layout->addLayout(lock);

    GroupBox* files =
        GridGroup(sheet, {}, QStringLiteral("电脑文件"), QStringLiteral("PC files"), &grid);
    grid->addWidget(Bitmap(files, QStringLiteral("RzBmpButton24"), QStringLiteral("单模式参数")), 0,
                    0);
    grid->addWidget(Bitmap(files, QStringLiteral("RzBmpButton25"), QStringLiteral("整机参数")), 0,
                    1);
    auto* list = Make<ListGrid>(files, QStringLiteral("ValueListEditor1"));
    list->setHorizontalHeaderLabels({QStringLiteral("NO."), QStringLiteral("File Name")});
    list->setMinimumHeight(60);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->addWidget(list, 1, 0, 1, 2);
    grid->addWidget(Make<Edit>(files, QStringLiteral("FileEdit")), 2, 0, 1, 2);
    grid->addWidget(
        Bitmap(files, QStringLiteral("RzBmpButton120"), QStringLiteral("保存数据到电脑")), 3, 0);
    grid->addWidget(
        Bitmap(files, QStringLiteral("RzBmpButton119"), QStringLiteral("上传数据到设备")), 3, 1);
    grid->setRowStretch(1, 1);
    auto* menu = Make<QMenu>(files, QStringLiteral("DeletePopupMenu"));
    auto* item = menu->addAction(QStringLiteral("刪除"));
    item->setObjectName(QStringLiteral("MenuItem1"));
    item->setData(QStringLiteral("Delete"));
    QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                     [menu, list](const QPoint& at) { menu->popup(list->mapToGlobal(at)); });
    layout->addWidget(files, 1);
    return sheet;
}

// Its tab is hidden and nothing on it is reachable.
TabSheet* hiddenSettings(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet3"), QStringLiteral("工厂设定"),
                            QStringLiteral("Factory setting"));
    auto* layout = new QHBoxLayout(sheet);
    layout->addWidget(
        Bitmap(sheet, QStringLiteral("SysUserBtn"), QStringLiteral("用户"), QStringLiteral("0")));
    layout->addWidget(Bitmap(sheet, QStringLiteral("SysManagerBtn"), QStringLiteral("管理员"),
                             QStringLiteral("1")));
    layout->addWidget(Bitmap(sheet, QStringLiteral("RzBmpButton118"), QStringLiteral("确定")));
    for (QWidget* child : sheet->findChildren<QWidget*>())
        child->setVisible(false);
    return sheet;
}

} // namespace

QWidget* SystemArea(QWidget* window) {
    auto* area = Make<GroupBox>(window, QStringLiteral("RzGroupBox2"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* pages = Make<PageControl>(area, QStringLiteral("AdvPageControl1"));
    pages->addSheet(mainSettings(pages));
    pages->addSheet(systemSettings(pages));
    pages->addSheet(hiddenSettings(pages));
    pages->setTabVisible(2, false);
    layout->addWidget(pages);
    area->setMinimumWidth(250);
    area->setMaximumWidth(290);
    return area;
}

} // namespace kdsp::build
