#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/page_catalogue.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

namespace {

GroupBox* delayAndMute(QWidget* parent) {
    QGridLayout* grid = nullptr;
    GroupBox* group =
        GridGroup(parent, {}, QStringLiteral("延时/静音"), QStringLiteral("Delay/Mute"), &grid);
    const struct {
        const char* label;
        const char* chinese;
        const char* english;
        const char* stem;
    } rows[] = {{"OutLDelayLabel", "左声道延时", "Left Delay", "MainLdelay"},
                {"Label157", "右声道延时", "Right Delay", "MainRdelay"}};
    int r = 0;
    for (const auto& row : rows) {
        grid->addWidget(Label(group, QString::fromLatin1(row.label), QString::fromUtf8(row.chinese),
                              QString::fromUtf8(row.english)),
                        r, 0);
        grid->addWidget(Bar(group, QString::fromLatin1(row.stem) + "Bar", 0, 500), r, 1);
        grid->addWidget(Pane(group, QString::fromLatin1(row.stem) + "Pane", 18), r, 2);
        ++r;
    }
    auto* mutes = new QHBoxLayout;
    mutes->addWidget(MuteButton(group, QStringLiteral("MainLmuteBtn"), QStringLiteral("左静音")));
    mutes->addWidget(MuteButton(group, QStringLiteral("MainRmuteBtn"), QStringLiteral("右静音")));
    grid->addLayout(mutes, r, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

} // namespace

TabSheet* OutputSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet4_Main"), QStringLiteral("主输出"),
                            QStringLiteral("Main"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    QGridLayout* grid = nullptr;
    GroupBox* mix = GridGroup(sheet, QStringLiteral("AdvGroupBox6"), QStringLiteral("混音"),
                              QStringLiteral("Mix"), &grid);
    AddMixRows(grid, mix, "Main");

    GroupBox* limiter =
        GridGroup(sheet, QStringLiteral("OutLimiteGroup"), QStringLiteral("主输出压限"),
                  QStringLiteral("Main Limit"), &grid);
    const BarRow limiterRows[] = {
        {"MainRmsLevel", 34, 14, "阈值", "Threshold"},
        {"MainRmsAttack", 19, 17, "启动时间", "Attack"},
        {"MainRmsRelease", 7, 16, "释放时间", "Release"},
        {"MainRmsRatio", 40, 15, "压缩比", "Ratio"},
    };
    AddBarRows(grid, limiter, limiterRows);

    GroupBox* crossover =
        GridGroup(sheet, QStringLiteral("OutLHPGroup"), QStringLiteral("主输出分频"),
                  QStringLiteral("Main LHF"), &grid);
    AddCrossoverRows(grid, crossover, QStringLiteral("MainHPTypeBox"), "MainMusHPFre",
                     QStringLiteral("MainLPTypeBox"), "MainMusLPFre");

    auto* first = new QVBoxLayout;
    first->addWidget(mix);
    first->addWidget(delayAndMute(sheet));
    first->addStretch(1);
    auto* second = new QVBoxLayout;
    second->addWidget(limiter);
    second->addWidget(crossover);
    second->addStretch(1);
    layout->addLayout(first);
    layout->addLayout(second);
    layout->addWidget(PannedStrip(sheet, QStringLiteral("AdvGroupBox21"),
                                  QStringLiteral("MainScrollBox"),
                                  QStringLiteral("MainPanScrollBar"), PageMain, 10, 5, 3),
                      1);
    return sheet;
}

} // namespace kdsp::build
