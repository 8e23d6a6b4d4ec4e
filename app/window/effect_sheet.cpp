#include "app/window/band_strip.h"
#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/binding_tables.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

namespace {

GroupBox* effectBands(QWidget* parent, const QString& boxName, int page,
                      const std::vector<std::string>& labels) {
    GroupBox* group = Group(parent, {}, QStringLiteral("均衡"), QStringLiteral("EQ"));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(2, 0, 2, 2);
    auto* box = BandScrollBox(group, boxName, page, 7, labels);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(box);
    return group;
}

TabSheet* echoSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, {}, QStringLiteral("回声"), QStringLiteral("Echo"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    QGridLayout* grid = nullptr;
    GroupBox* echo = GridGroup(sheet, {}, QStringLiteral("回声"), QStringLiteral("Echo"), &grid);
    const BarRow rows[] = {
        {"EchoEffLevel", 100, 8, "效果音量", "Effect", "EchoEffPhaseBtn"},
        {"EchoDirectLevel", 100, 8, "直达声", "Direct", "EchoDirectPhaseBtn"},
        {"EchoPreDelay", 250, 26, "预延时", "Pre-delay"},
        {"EchoTime", 250, 11, "延时", "Delay"},
        {"EchoRepeat", 90, 8, "重复", "Repeat"},
        {"EchoRPreDelay", 50, 8, "右预延时", "R Pre-delay"},
        {"EchoRTime", 100, 10, "右延时", "R Delay"},
    };
    AddBarRows(grid, echo, rows);
    GroupBox* crossover = GridGroup(sheet, QStringLiteral("AdvGroupBox18"), QStringLiteral("分频"),
                                    QStringLiteral("Crossover"), &grid);
    AddCrossoverRows(grid, crossover, QStringLiteral("EchoHPTypeBox"), "EchoHPFre",
                     QStringLiteral("EchoLPTypeBox"), "EchoLPFre");
    grid->setRowStretch(grid->rowCount(), 1);
    layout->addWidget(echo);
    layout->addWidget(crossover);
    layout->addWidget(
        effectBands(sheet, QStringLiteral("EffScrollBox"), PageEcho, BandNumberLabelNames(2)), 1);
    return sheet;
}

TabSheet* reverbSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, {}, QStringLiteral("混响"), QStringLiteral("Reverb"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    QGridLayout* grid = nullptr;
    GroupBox* reverb =
        GridGroup(sheet, {}, QStringLiteral("混响"), QStringLiteral("Reverb"), &grid);
    const BarRow rows[] = {
        {"RvbEffLevel", 100, 8, "效果音量", "Effect", "RvbEffPhaseBtn"},
        {"RvbDirectLevel", 100, 8, "直达声", "Direct", "RvbDirectPhaseBtn"},
        {"RvbPreDelay", 100, 11, "预延时", "Pre-delay"},
        {"RvbTime", 80, 12, "混响时间", "Time"},
    };
    AddBarRows(grid, reverb, rows);
    grid->setRowStretch(grid->rowCount(), 1);
    GroupBox* crossover = GridGroup(sheet, QStringLiteral("AdvGroupBox2"), QStringLiteral("分频"),
                                    QStringLiteral("Crossover"), &grid);
    AddCrossoverRows(grid, crossover, QStringLiteral("RvbHPTypeBox"), "RvbHPFre",
                     QStringLiteral("RvbLPTypeBox"), "RvbLPFre");
    grid->setRowStretch(grid->rowCount(), 1);
    layout->addWidget(reverb);
    layout->addWidget(crossover);
    layout->addWidget(effectBands(sheet, QStringLiteral("AdvScrollBox1"), PageReverb,
                                  ReverbBandNumberLabelNames()),
                      1);
    return sheet;
}

} // namespace

TabSheet* EffectSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet3_Eff"), QStringLiteral("效果"),
                            QStringLiteral("Effect"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    auto* tabs = Make<GroupBox>(sheet, QStringLiteral("RzGroupBox20"));
    auto* tabLayout = new QVBoxLayout(tabs);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    const struct {
        const char* name;
        const char* chinese;
        const char* english;
    } subTabs[] = {{"EchoAToolButton", "回声A", "Echo A"},
                   {"EchoBToolButton", "回声B", "Echo B"},
                   {"RvbToolButton", "混响", "Reverb"}};
    int tag = 0;
    for (const auto& subTab : subTabs) {
        ToolButton* button =
            Tab(tabs, QString::fromLatin1(subTab.name), QString::fromUtf8(subTab.chinese),
                QString::fromUtf8(subTab.english), tag++);
        button->setProperty("subTab", true);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        tabLayout->addWidget(button);
    }
    tabLayout->addStretch(1);
    layout->addWidget(tabs);

    auto* pages = Make<PageControl>(sheet, QStringLiteral("EffPageControl"));
    pages->addSheet(echoSheet(pages));
    pages->addSheet(reverbSheet(pages));
    pages->setTabsShown(false);
    layout->addWidget(pages, 1);
    return sheet;
}

} // namespace kdsp::build
