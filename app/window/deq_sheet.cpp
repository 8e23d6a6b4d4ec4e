#include "app/window/band_strip.h"
#include "app/window/builder.h"
#include "app/window/sheets.h"
#include "model/binding_tables.h"
#include "model/value_scales.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

namespace {

GroupBox* section(QWidget* parent, int n) {
    const QString number = QString::number(n);
    GroupBox* group =
        Group(parent, "DEQ" + number + "Grop", "动态均衡" + number, "Dynamic EQ " + number);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);

    auto* detector = new QVBoxLayout;
    auto* triggers = new QHBoxLayout;
    const struct {
        const char* stem;
        const char* caption;
    } buttons[] = {
        {"DEQTYpeOffBtn", "关闭"}, {"DEQTYpeBelowBtn", "低启动"}, {"DEQTYpeAboveBtn", "高启动"}};
    int tag = 0;
    for (const auto& button : buttons) {
        BitmapButton* trigger = Bitmap(group, QString::fromLatin1(button.stem) + number,
                                       QString::fromUtf8(button.caption));
        trigger->setTag(tag++);
        triggers->addWidget(trigger);
    }
    detector->addLayout(triggers);
    // The trigger's value lives in a box nobody sees; the buttons drive it.
    ComboBox* box = Combo(group, "DEQTypeBox" + number, TriggerItems(), QStringLiteral("1"));
    box->setVisible(false);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    const BarRow rows[] = {
        {"DEQRmsLevel", 60, 20, "阈值", "Threshold"},
        {"DEQRmsAttack", 19, 17, "启动时间", "Attack"},
        {"DEQRmsRelease", 7, 16, "释放时间", "Release"},
        {"DEQRmsRatio", 40, 15, "压缩比", "Ratio"},
    };
    AddBarRows(grid, group, rows, number);
    detector->addLayout(grid);
    detector->addStretch(1);
    layout->addLayout(detector, 1);
    layout->addWidget(
        BandColumn(group, PageDeq, n, BandNumberLabelNames(8)[static_cast<std::size_t>(n - 1)]));
    return group;
}

} // namespace

TabSheet* DynamicEqSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet9_DEQ"),
                            QStringLiteral("AdvTabSheet9_DEQ"), QStringLiteral("AdvTabSheet9_DEQ"));
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    for (int n = 1; n <= 3; ++n)
        layout->addWidget(section(sheet, n));
    return sheet;
}

} // namespace kdsp::build
