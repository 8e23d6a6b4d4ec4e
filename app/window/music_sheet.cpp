#include "app/window/band_strip.h"
#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/binding_tables.h"
#include "model/value_scales.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

GroupBox* PannedStrip(QWidget* parent, const QString& groupName, const QString& boxName,
                      const QString& barName, int page, int bands, int windowBands, int sheet) {
    GroupBox* group = Group(parent, groupName, QStringLiteral("均衡"), QStringLiteral("EQ"));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(1);
    layout->addWidget(BandScrollBox(group, boxName, page, bands, BandNumberLabelNames(sheet)), 1);
    auto* pan = Make<ScrollBar>(group, barName);
    pan->setRange(0, bands - windowBands);
    pan->setPageStep(1);
    layout->addWidget(pan);
    group->setMinimumWidth(windowBands * BandColumnWidth / 2);
    return group;
}

TabSheet* MusicSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet1_mus"), QStringLiteral("音乐"),
                            QStringLiteral("Music"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    QGridLayout* grid = nullptr;
    GroupBox* input =
        GridGroup(sheet, {}, QStringLiteral("音乐输入"), QStringLiteral("Music input"), &grid);
    grid->addWidget(Label(input, {}, QStringLiteral("输入源"), QStringLiteral("Source")), 0, 0);
    std::vector<std::string_view> sources;
    for (const InputSourceText& source : InputSources())
        sources.push_back(source.chineseName);
    // Until the box says otherwise the selector offers AUTO..BLUE.
    sources.pop_back();
    ComboBox* inputBox = Combo(input, QStringLiteral("SysInputBox"), sources, {});
    inputBox->setItemIndex(1);
    grid->addWidget(inputBox, 0, 1, 1, 2);
    grid->addWidget(Label(input, QStringLiteral("InputLabel"), QStringLiteral("模拟1音量"),
                          QStringLiteral("RCA1 Vol")),
                    1, 0);
    grid->addWidget(NumberEdit(input, QStringLiteral("MusGain1Edit"), 5), 1, 1);
    auto* gainSpin = Make<SpinButtons>(input, QStringLiteral("MusGain1UpDown"));
    grid->addWidget(gainSpin, 1, 2);
    const BarRow pitch[] = {{"MusPitch", 14, 21, "变调", "Pitch"}};
    AddBarRows(grid, input, pitch);
    grid->setRowStretch(grid->rowCount(), 1);

    GroupBox* crossover =
        GridGroup(sheet, {}, QStringLiteral("分频"), QStringLiteral("Crossover"), &grid);
    AddCrossoverRows(grid, crossover, QStringLiteral("MusHPTypeBox"), "MusHPFRE",
                     QStringLiteral("MusLPTypeBox"), "MusLPFRE");
    grid->setRowStretch(grid->rowCount(), 1);

    auto* left = new QVBoxLayout;
    left->addWidget(input);
    left->addWidget(crossover);
    layout->addLayout(left);
    layout->addWidget(PannedStrip(sheet, {}, QStringLiteral("MusScrollBox"),
                                  QStringLiteral("MusPanScrollBar"), PageMusic, 15, 9, 0),
                      1);
    return sheet;
}

} // namespace kdsp::build
