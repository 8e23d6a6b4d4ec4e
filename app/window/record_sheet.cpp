#include "app/window/band_strip.h"
#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/binding_tables.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

TabSheet* RecordSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet6_REC"), QStringLiteral("超低音"),
                            QStringLiteral("SUB"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);

    QGridLayout* grid = nullptr;
    GroupBox* mix = GridGroup(sheet, QStringLiteral("AdvGroupBox7"), QStringLiteral("录音混音"),
                              QStringLiteral("Record mix"), &grid);
    AddMixRows(grid, mix, "REC");
    auto* mutes = new QHBoxLayout;
    mutes->addWidget(MuteButton(mix, QStringLiteral("RECLmuteBtn"), QStringLiteral("左静音")));
    mutes->addWidget(MuteButton(mix, QStringLiteral("RECRmuteBtn"), QStringLiteral("右静音")));
    grid->addLayout(mutes, grid->rowCount(), 0, 1, 4);
    grid->setRowStretch(grid->rowCount(), 1);

    GroupBox* crossover = GridGroup(sheet, QStringLiteral("AdvGroupBox12"), QStringLiteral("分频"),
                                    QStringLiteral("Crossover"), &grid);
    AddCrossoverRows(grid, crossover, QStringLiteral("RECHPTypeBox"), "RECMusHPFre",
                     QStringLiteral("RECLPTypeBox"), "RECMusLPFre");
    grid->setRowStretch(grid->rowCount(), 1);

    GroupBox* bands = Group(sheet, {}, QStringLiteral("均衡"), QStringLiteral("EQ"));
    auto* bandLayout = new QVBoxLayout(bands);
    bandLayout->setContentsMargins(2, 0, 2, 2);
    bandLayout->addWidget(BandRow(bands, PageRec, 1, 3, BandNumberLabelNames(5)));

    layout->addWidget(mix);
    layout->addWidget(crossover);
    layout->addWidget(bands);
    layout->addStretch(1);
    return sheet;
}

} // namespace kdsp::build
