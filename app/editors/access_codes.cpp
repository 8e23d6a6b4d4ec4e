#include "app/editors/access_codes.h"

#include "app/console/console.h"
#include "app/window/main_window.h"

namespace kdsp {

namespace {

// Compared exactly, letter case included.
const QString MusicHintCode = QStringLiteral("KESTREL5276");
const QString FullHintCode = QStringLiteral("kestrel3185");
const QString StartVolumeCode = QStringLiteral("472915");

constexpr std::size_t HintTab = 9;
constexpr std::size_t StartVolumeTab = 12;

} // namespace

AccessCodes::AccessCodes(MainWindow& window, Console& console)
    : window_(window), console_(console) {
    connect(window.control<PlainLabel>(QStringLiteral("LinkLabel")), &PlainLabel::doubleClicked,
            this, &AccessCodes::open);
    auto* edit = window.control<Edit>(QStringLiteral("SysLogoEdit"));
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] { enter(edit->text()); });
}

void AccessCodes::show(const char* name, bool shown) {
    window_.control<QWidget>(QString::fromLatin1(name))->setVisible(shown);
}

void AccessCodes::open() {
    show("SysLogoLabel", true);
    window_.control<Edit>(QStringLiteral("SysLogoEdit"))->clear();
    show("SysLogoEdit", true);
    show("FormHintTabBtn", false);
}

void AccessCodes::enter(const QString& code) {
    const auto& tabs = console_.bindings().viewSelectors;
    if (code == MusicHintCode || code == FullHintCode) {
        // The first code reaches only the music hint equaliser.
        const bool full = code == FullHintCode;
        show("FormHintTabBtn", true);
        for (const char* name : {"HintMicABtn", "HintMicBBtn", "HintSysBtn"})
            show(name, full);
        if (!full)
            show("HintModePage", false);
        show("SysLogoLabel", false);
        show("SysLogoEdit", false);
        console_.selectTab(tabs[HintTab]);
    } else if (code == StartVolumeCode) {
        show("HintAuxBtn", true);
        console_.selectTab(tabs[StartVolumeTab]);
    } else {
        show("FormHintTabBtn", false);
    }
}

} // namespace kdsp
