#include "app/graph/graph_image.h"
#include "app/window/builder.h"
#include "app/window/parts.h"
#include "app/window/pictures.h"

#include <QBoxLayout>

namespace kdsp::build {

namespace {

GroupBox* smallGroup(QWidget* parent, const QString& name,
                     std::initializer_list<std::pair<const char*, const char*>> buttons) {
    auto* group = Make<GroupBox>(parent, name);
    group->setProperty("smallGroup", true);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(2);
    for (const auto& [buttonName, caption] : buttons) {
        BitmapButton* button =
            Bitmap(group, QString::fromLatin1(buttonName), QString::fromUtf8(caption));
        button->setMinimumWidth(46);
        layout->addWidget(button);
    }
    return group;
}

} // namespace

QWidget* GraphArea(QWidget* window) {
    auto* frame = Make<Panel>(window, QStringLiteral("AdvPanel1"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 2, 7, 19);
    layout->setSpacing(2);

    auto* groups = new QHBoxLayout;
    groups->setContentsMargins(4, 0, 0, 0);
    groups->addWidget(smallGroup(frame, QStringLiteral("SingleDiscoGrop"),
                                 {{"AutoModeBtn", "自动"},
                                  {"ManulModeBtn", "手动"},
                                  {"SingModeBtn", "唱歌"},
                                  {"DiscoModeBtn", "热舞"}}));
    groups->addWidget(smallGroup(frame, QStringLiteral("EQPassGrop"),
                                 {{"EQResetBtn", "EQ重置"}, {"MusEQAllpassBtn", "EQ pass"}}));
    groups->addWidget(
        smallGroup(frame, QStringLiteral("CopyGrop"),
                   {{"LeftBtn", "音乐左"}, {"SameBtn", "同步"}, {"RightBtn", "音乐右"}}));
    groups->addStretch(1);
    groups->addWidget(smallGroup(frame, QStringLiteral("RzGroupBox19"),
                                 {{"PinDCFBtn", "低触发"}, {"PinPPBtn", "频谱"}}));
    layout->addLayout(groups);
    frame->findChild<BitmapButton*>(QStringLiteral("MusEQAllpassBtn"))
        ->setHint(QStringLiteral("0"));
    frame->findChild<BitmapButton*>(QStringLiteral("LeftBtn"))->setTag(0);
    frame->findChild<BitmapButton*>(QStringLiteral("SameBtn"))->setTag(1);
    frame->findChild<BitmapButton*>(QStringLiteral("RightBtn"))->setTag(2);

    auto* surface = Make<Panel>(frame, QStringLiteral("AdvPanel2"));
    auto* surfaceLayout = new QVBoxLayout(surface);
    surfaceLayout->setContentsMargins(0, 0, 0, 0);
    // Left white until the graph is drawn on it.
    auto* image = Make<GraphImage>(surface, QStringLiteral("Image1"));
    image->setAutoFillBackground(true);
    image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    image->setMinimumSize(200, 100);
    surfaceLayout->addWidget(image);
    auto* graphRow = new QHBoxLayout;
    graphRow->setContentsMargins(48, 0, 0, 0);
    graphRow->addWidget(surface);
    layout->addLayout(graphRow, 1);

    for (int i = 0; i < 22; ++i) {
        const QString name = i < 20    ? QStringLiteral("EP%1").arg(i + 1)
                             : i == 20 ? QStringLiteral("HPF")
                                       : QStringLiteral("LPF");
        auto* marker = Make<MarkerImage>(surface, name);
        marker->setTag(i);
        marker->setPixmap(pictures::PointMarker(i < 20    ? QString::number(i + 1)
                                                : i == 20 ? QStringLiteral("H")
                                                          : QStringLiteral("L")));
        marker->setFixedSize(14, 14);
        marker->setVisible(false);
    }
    auto* readout = Make<StyledLabel>(surface, QStringLiteral("EQlabel"));
    readout->setAlignment(Qt::AlignCenter);
    readout->setProperty("graphReadout", true);
    readout->move(8, 6);
    auto* pass = Make<StyledLabel>(surface, QStringLiteral("EQPassLabel"));
    pass->setCaption(QStringLiteral("EQ PASS"));
    pass->setProperty("graphReadout", true);
    pass->adjustSize();
    pass->move(8, 24);
    pass->setVisible(false);
    return frame;
}

} // namespace kdsp::build
