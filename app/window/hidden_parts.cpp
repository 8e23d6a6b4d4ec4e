#include "app/window/builder.h"
#include "app/window/parts.h"
#include "app/window/pictures.h"

#include <QBoxLayout>
#include <QTimer>

namespace kdsp::build {

QWidget* UnlockPanel(QWidget* window) {
    GroupBox* panel = Group(window, QStringLiteral("FirstCheckGrop"), QString(), QString());
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(
        Label(panel, {}, QStringLiteral("输入解锁密码："), QStringLiteral("Unlock password:")));
    auto* password = Make<Edit>(panel, QStringLiteral("PanelPassWordEdit"));
    password->setMaxLength(6);
    password->setEchoMode(QLineEdit::Password);
    password->setFixedWidth(90);
    layout->addWidget(password);
    layout->addWidget(Bitmap(panel, QStringLiteral("RzBmpButton4"), QStringLiteral("确定")));
    panel->adjustSize();
    panel->setVisible(false);
    return panel;
}

void InvisibleHelpers(QWidget* window) {
    // The phase buttons take their two pictures from here.
    BitmapButton* phasePictures = Bitmap(window, QStringLiteral("ExampleBtn2"), QString());
    phasePictures->setPictures(pictures::PhaseNormal(), pictures::PhaseInverted());
    phasePictures->setVisible(false);

    // Stands for "no edit chosen".
    Make<Edit>(window, QStringLiteral("Example"))->setVisible(false);
    Make<ComboBox>(window, QStringLiteral("ComComboBox1"))->setVisible(false);

    auto* graphTimer = new QTimer(window);
    graphTimer->setObjectName(QStringLiteral("Timer1"));
    graphTimer->setInterval(10);
    auto* idleTimer = new QTimer(window);
    idleTimer->setObjectName(QStringLiteral("Timer2"));
    idleTimer->setInterval(3'600'000);
}

} // namespace kdsp::build
