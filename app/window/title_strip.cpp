#include "app/window/builder.h"
#include "app/window/parts.h"
#include "app/window/pictures.h"

#include <QBoxLayout>

namespace kdsp::build {

QWidget* TitleStrip(QWidget* window) {
    // The picture across the top carries the title and the window buttons.
    auto* strip = Make<MarkerImage>(window, QStringLiteral("Image2"));
    strip->setFixedHeight(30);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(10, 0, 4, 0);
    layout->setSpacing(4);

    auto* title = Make<StyledLabel>(strip, QStringLiteral("RzLabel9"));
    title->setCaption(QStringLiteral("KaraoKe Digital Signal Processor 10.1"));
    layout->addWidget(title);
    layout->addStretch(1);

    PlainLabel* logo = Label(strip, QStringLiteral("SysLogoLabel"), QStringLiteral("运行："),
                             QStringLiteral("Run:"));
    logo->setVisible(false);
    layout->addWidget(logo);
    auto* code = Make<Edit>(strip, QStringLiteral("SysLogoEdit"));
    code->setFixedWidth(120);
    code->setVisible(false);
    layout->addWidget(code);
    layout->addSpacing(12);

    const struct {
        const char* name;
        pictures::TitleButton picture;
    } buttons[] = {{"RzBmpButton2", pictures::TitleButton::Minimise},
                   {"RzBmpButton1", pictures::TitleButton::Maximise},
                   {"RzBmpButton3", pictures::TitleButton::Close}};
    for (const auto& button : buttons) {
        BitmapButton* face = Bitmap(strip, QString::fromLatin1(button.name), QString());
        const QIcon icon = pictures::TitleIcon(button.picture);
        face->setPictures(icon, icon);
        face->setProperty("titleButton", true);
        face->setFixedSize(30, 24);
        layout->addWidget(face);
    }
    return strip;
}

} // namespace kdsp::build
