#include "app/window/builder.h"
#include "app/window/parts.h"
#include "app/window/sheets.h"

namespace kdsp::build {

QWidget* PageArea(QWidget* window) {
    auto* pages = Make<PageControl>(window, QStringLiteral("FormPageItem"));
    for (TabSheet* (*sheet)(QWidget*) : {MusicSheet, MicSheet, EffectSheet, OutputSheet, HintSheet,
                                         RecordSheet, AuxSheet, SystemSheet, DynamicEqSheet})
        pages->addSheet(sheet(pages));
    // The tab buttons above choose the sheet.
    pages->setTabsShown(false);
    return pages;
}

} // namespace kdsp::build
