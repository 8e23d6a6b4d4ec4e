#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/page_catalogue.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

TabSheet* MicSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet2_mic"), QStringLiteral("话筒"),
                            QStringLiteral("MIC"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    QGridLayout* grid = nullptr;
    GroupBox* input = GridGroup(sheet, {}, QStringLiteral("输入"), QStringLiteral("Input"), &grid);
    const BarRow inputRows[] = {
        {"MicInputGain", 40, 22, "输入增益", "Gain"},
        {"MicFBE", 4, 23, "反馈抑制", "FBE"},
    };
    AddBarRows(grid, input, inputRows);

    GroupBox* crossover = GridGroup(sheet, QStringLiteral("AdvGroupBox17"), QStringLiteral("分频"),
                                    QStringLiteral("Crossover"), &grid);
    AddCrossoverRows(grid, crossover, QStringLiteral("MicHPTypeBox"), "MicHPFre",
                     QStringLiteral("MicLPTypeBox"), "MicLPFre");

    GroupBox* limiter =
        GridGroup(sheet, QStringLiteral("AdvGroupBox1"), QStringLiteral("麦克风1压限"),
                  QStringLiteral("MiC 1 Limit"), &grid);
    const BarRow limiterRows[] = {
        {"MicRmsLevel", 34, 25, "阈值", "Threshold"},
        {"MicRmsAttack", 19, 17, "启动时间", "Attack"},
        {"MicRmsRelease", 7, 16, "释放时间", "Release"},
        {"MicRmsRatio", 40, 15, "压缩比", "Ratio"},
    };
    AddBarRows(grid, limiter, limiterRows);

    GroupBox* gate =
        GridGroup(sheet, QStringLiteral("AdvGroupBox16"), QStringLiteral("麦克风1 噪声门"),
                  QStringLiteral("MIC1 Noise"), &grid);
    const BarRow gateRows[] = {
        {"MicNoiseLevel", 60, 24, "阈值", "Threshold"},
        {"MicNoiseAttack", 19, 17, "启动时间", "Attack"},
        {"MicNoiseRelease", 7, 16, "释放时间", "Release"},
    };
    AddBarRows(grid, gate, gateRows);

    auto* first = new QVBoxLayout;
    first->addWidget(input);
    first->addWidget(crossover);
    first->addStretch(1);
    auto* second = new QVBoxLayout;
    second->addWidget(limiter);
    second->addWidget(gate);
    second->addStretch(1);
    layout->addLayout(first);
    layout->addLayout(second);
    layout->addWidget(PannedStrip(sheet, {}, QStringLiteral("MicScrollBox"),
                                  QStringLiteral("MicPanScrollBar"), PageMic1, 20, 8, 1),
                      1);
    return sheet;
}

} // namespace kdsp::build
