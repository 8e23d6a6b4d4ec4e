#include "app/window/builder.h"
#include "app/window/parts.h"
#include "model/binding_tables.h"

#include <QBoxLayout>

namespace kdsp::build {

QWidget* TabRow(QWidget* window) {
    auto* row = Make<GroupBox>(window, QStringLiteral("RzGroupBox17"));
    row->setFixedHeight(36);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(2);

    const struct {
        const char* chinese;
        const char* english;
        bool visible;
    } tabs[] = {
        {"音乐", "Music", true},    {"动态均衡", "Dynamic EQ", true}, {"麦克1", "MIC 1", true},
        {"麦克2", "MIC 2", true},   {"效果", "Effect", true},         {"主输出", "Main", true},
        {"环绕", "Surround", true}, {"中置", "Center", true},         {"超低音", "SUB", true},
        {"隐藏", "Hint", false},    {"录音评分", "REC", true},        {"辅助", "Other", true},
        {"辅助", "AUX", false},
    };
    for (std::size_t i = 0; i < ViewSelectorNames.size(); ++i) {
        ToolButton* tab = Tab(row, Name(ViewSelectorNames[i]), QString::fromUtf8(tabs[i].chinese),
                              QString::fromUtf8(tabs[i].english), static_cast<int>(i));
        tab->setProperty("pageTab", true);
        tab->setVisible(tabs[i].visible);
        layout->addWidget(tab);
    }
    layout->addStretch(1);

    ToolButton* language = Tab(row, QStringLiteral("RzToolButton11"), QStringLiteral("English"),
                               QStringLiteral("中文"), 0);
    language->setProperty("pageTab", true);
    layout->addWidget(language);
    layout->addSpacing(10);

    PlainLabel* status = Label(row, QStringLiteral("LinkLabel"), QStringLiteral("设备未连接"),
                               QStringLiteral("Off Line"));
    status->setMinimumWidth(90);
    status->setAlignment(Qt::AlignCenter);
    layout->addWidget(status);

    BitmapButton* link = Bitmap(row, QStringLiteral("LinkBtn"), QStringLiteral("联机"));
    link->setMinimumWidth(64);
    layout->addWidget(link);
    BitmapButton* unlink = Bitmap(row, QStringLiteral("UnLinkBtn"), QStringLiteral("断开"));
    unlink->setVisible(false);
    layout->addWidget(unlink);

    // Takes the keyboard focus away from the edits when a tab is chosen.
    auto* sink = Make<Edit>(row, QStringLiteral("Examplexx"));
    sink->setFixedSize(0, 0);
    sink->setFrame(false);
    layout->addWidget(sink);
    return row;
}

} // namespace kdsp::build
