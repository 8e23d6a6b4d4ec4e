#include "app/window/builder.h"
#include "app/window/sheets.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace kdsp::build {

TabSheet* SystemSheet(QWidget* parent) {
    TabSheet* sheet = Sheet(parent, QStringLiteral("AdvTabSheet8_Sys"), QStringLiteral("系统"),
                            QStringLiteral("System"));
    auto* layout = new QGridLayout(sheet);
    layout->addWidget(Label(sheet, QStringLiteral("DeviceIDLabel"), QString(), QString()), 0, 0);
    layout->addWidget(Label(sheet, {}, QStringLiteral("红外遥控"), QStringLiteral("IR remote")), 1,
                      0);
    layout->addWidget(
        Bitmap(sheet, QStringLiteral("SysRemoteBtn1"), QStringLiteral("禁用"), QStringLiteral("0")),
        1, 1);
    layout->addWidget(
        Bitmap(sheet, QStringLiteral("SysRemoteBtn2"), QStringLiteral("启用"), QStringLiteral("1")),
        1, 2);
    layout->addWidget(Make<Memo>(sheet, QStringLiteral("Memo1")), 2, 0);
    layout->addWidget(Make<ListBox>(sheet, QStringLiteral("FileListBox1")), 2, 1);
    layout->addWidget(Make<ListBox>(sheet, QStringLiteral("FileListBox2")), 2, 2);
    return sheet;
}

} // namespace kdsp::build
