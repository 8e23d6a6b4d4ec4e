#include "app/window/band_strip.h"
#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/binding_tables.h"
#include "model/value_scales.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

namespace {

// A pair of buttons standing for 0 (first) and 1 (second).
void addSwitchPair(QGridLayout* grid, QWidget* parent, const QString& chinese,
                   const QString& english, const QString& first, const QString& firstCaption,
                   const QString& second, const QString& secondCaption) {
    const int r = grid->rowCount();
    grid->addWidget(Label(parent, {}, chinese, english), r, 0);
    grid->addWidget(Bitmap(parent, first, firstCaption, QStringLiteral("0")), r, 1);
    grid->addWidget(Bitmap(parent, second, secondCaption, QStringLiteral("1")), r, 2);
}

TabSheet* startVolumeTab(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("TabSheet1"), QStringLiteral("起始音量设置"),
                            QStringLiteral("Start volume"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    QGridLayout* grid = nullptr;
    GroupBox* volumes =
        GridGroup(sheet, {}, QStringLiteral("起始音量"), QStringLiteral("Start volume"), &grid);
    const BarRow volumeRows[] = {
        {"SysMusStartVol", 84, 0, "音乐", "Music"},
        {"SysMicStartVol", 84, 0, "话筒", "MIC"},
        {"SysEffStartVol", 84, 0, "效果", "Effect"},
    };
    AddBarRows(grid, volumes, volumeRows);
    for (const char* bar : {"SysMusStartVolBar", "SysMicStartVolBar", "SysEffStartVolBar"})
        volumes->findChild<TrackBar*>(QString::fromLatin1(bar))->setHint(QStringLiteral("1"));

    GroupBox* highPass = GridGroup(sheet, {}, QStringLiteral("音乐到主输出高通"),
                                   QStringLiteral("Music to Main HPF"), &grid);
    grid->addWidget(CrossoverBox(highPass, QStringLiteral("MusHP2TypeBox"), true), 0, 0, 1, 2);
    grid->addWidget(Bar(highPass, QStringLiteral("MusHP2FREBar"), 0, 361), 1, 0);
    grid->addWidget(Pane(highPass, QStringLiteral("MusHP2FREPane"), 6), 1, 1);
    grid->setColumnStretch(0, 1);

    GroupBox* switches =
        GridGroup(sheet, {}, QStringLiteral("开关"), QStringLiteral("Switches"), &grid);
    addSwitchPair(grid, switches, QStringLiteral("模式独立音量"), QStringLiteral("Volume per mode"),
                  QStringLiteral("SysVolRunBtn1"), QStringLiteral("禁用"),
                  QStringLiteral("SysVolRunBtn2"), QStringLiteral("启用"));
    addSwitchPair(grid, switches, QStringLiteral("左右通道独立"), QStringLiteral("L/R independent"),
                  QStringLiteral("SysLRBtn1"), QStringLiteral("启用"), QStringLiteral("SysLRBtn2"),
                  QStringLiteral("禁用"));

    GroupBox* load = GridGroup(sheet, QStringLiteral("SysHintLoadGrop"), QStringLiteral("调用模式"),
                               QStringLiteral("Load mode"), &grid);
    grid->addWidget(Label(load, {}, QStringLiteral("模式"), QStringLiteral("Mode")), 0, 0);
    grid->addWidget(Make<ComboBox>(load, QStringLiteral("SysMode3Box")), 0, 1);
    grid->addWidget(Label(load, {}, QStringLiteral("名称"), QStringLiteral("Name")), 1, 0);
    grid->addWidget(Make<Edit>(load, QStringLiteral("PresetMode3Edit")), 1, 1);
    grid->addWidget(Bitmap(load, QStringLiteral("SysLoad3ModeBtn"), QStringLiteral("调用设备模式")),
                    2, 0, 1, 2);
    load->setVisible(false);

    GroupBox* bands = Group(sheet, {}, QStringLiteral("辅助均衡"), QStringLiteral("AUX EQ"));
    auto* bandLayout = new QVBoxLayout(bands);
    bandLayout->setContentsMargins(2, 0, 2, 2);
    bandLayout->addWidget(BandRow(bands, PageAux, 1, 6, BandNumberLabelNames(6)));

    auto* first = new QVBoxLayout;
    first->addWidget(volumes);
    first->addWidget(highPass);
    first->addStretch(1);
    auto* second = new QVBoxLayout;
    second->addWidget(switches);
    second->addWidget(load);
    second->addStretch(1);
    layout->addLayout(first);
    layout->addLayout(second);
    layout->addWidget(bands);
    layout->addStretch(1);
    return sheet;
}

GroupBox* limitGroup(QWidget* parent, bool music) {
    const QString stem = music ? QStringLiteral("AUXMUS") : QStringLiteral("AUXMIC");
    QGridLayout* grid = nullptr;
    GroupBox* group = GridGroup(parent, {}, music ? QStringLiteral("音乐") : QStringLiteral("话筒"),
                                music ? QStringLiteral("Music") : QStringLiteral("MIC"), &grid);
    grid->addWidget(Label(group, {}, QStringLiteral("增益"), QStringLiteral("Gain")), 0, 1);
    grid->addWidget(Label(group, {}, QStringLiteral("上限"), QStringLiteral("Upper")), 0, 2);
    grid->addWidget(Label(group, {}, QStringLiteral("下限"), QStringLiteral("Lower")), 0, 3);
    const struct {
        const char* part;
        const char* chinese;
        const char* english;
    } rows[] = {{"Bass", "低音", "Bass"}, {"Mid", "中音", "Mid"}, {"High", "高音", "Treble"}};
    int r = 1;
    for (const auto& row : rows) {
        grid->addWidget(
            Label(group, {}, QString::fromUtf8(row.chinese), QString::fromUtf8(row.english)), r, 0);
        grid->addWidget(NumberEdit(group, stem + "2GainEdit" + QString::number(r), 3), r, 1);
        const QString part = stem + QString::fromLatin1(row.part);
        grid->addWidget(NumberEdit(group, part + "MaxAddEdit", 27), r, 2);
        grid->addWidget(NumberEdit(group, part + "MaxDecEdit", 28), r, 3);
        ++r;
    }
    grid->setRowStretch(r, 1);
    return group;
}

TabSheet* userLimitTab(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("TabSheet2"), QStringLiteral("用户均衡限制"),
                            QStringLiteral("User EQ limits"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* step = new QVBoxLayout;
    step->addWidget(
        Label(sheet, {}, QStringLiteral("增益步进 (dB)"), QStringLiteral("Gain step (dB)")));
    step->addWidget(Combo(sheet, QStringLiteral("AUXGainBox"), AuxGainStepItems(), {}));
    step->addStretch(1);
    layout->addLayout(step);
    layout->addWidget(limitGroup(sheet, true));
    layout->addWidget(limitGroup(sheet, false));
    layout->addStretch(1);
    return sheet;
}

} // namespace

TabSheet* AuxSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet7_sur"), QStringLiteral("后置"),
                            QStringLiteral("Rear"));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pages = Make<PageControl>(sheet, QStringLiteral("AuxPageCtrol"));
    pages->addSheet(startVolumeTab(pages));
    pages->addSheet(userLimitTab(pages));
    pages->setTabsShown(false);
    layout->addWidget(pages);
    return sheet;
}

} // namespace kdsp::build
