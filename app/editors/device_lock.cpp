#include "app/editors/device_lock.h"

#include "app/console/console.h"
#include "app/editors/editor_link.h"
#include "app/window/main_window.h"
#include "link/frame_codec.h"
#include "link/link_engine.h"

#include <QKeyEvent>

namespace kdsp {

namespace {

constexpr Tag LockSwitch = makeTag(PageSystem, 4);
constexpr int PasswordLength = 4;

} // namespace

DeviceLock::DeviceLock(MainWindow& window, Console& console, EditorLink& link)
    : window_(window), console_(console), link_(link) {
    panel_ = window.control<QWidget>(QStringLiteral("FirstCheckGrop"));
    unlockEdit_ = window.control<Edit>(QStringLiteral("PanelPassWordEdit"));
    oldPassword_ = window.control<Edit>(QStringLiteral("PassPanelLabel1"));
    newPassword_ = window.control<Edit>(QStringLiteral("NewPassLabel1"));
    for (Edit* edit : {unlockEdit_, oldPassword_, newPassword_})
        edit->installEventFilter(this);
    const auto onClick = [this, &window](const char* name, void (DeviceLock::*handler)()) {
        connect(window.control<QPushButton>(QString::fromLatin1(name)), &QPushButton::clicked, this,
                handler);
    };
    onClick("RzBmpButton4", &DeviceLock::unlock);
    onClick("RzBmpButton22", &DeviceLock::checkOldPassword);
    onClick("RzBmpButton23", &DeviceLock::changePassword);
    connect(&console, &Console::downloadShown, this, &DeviceLock::checkAfterDownload);
}

bool DeviceLock::locked() const {
    return !panel_->isHidden();
}

void DeviceLock::checkAfterDownload() {
    // Only the link's first download counts: switching the lock on later,
    // then reloading or uploading, does not lock out the user at work.
    if (link_.linkUpStage() != 1)
        return;
    link_.setLinkUpStage(2);
    if (console_.model().viewValues().value(LockSwitch) != 1)
        return;
    console_.selectTab(console_.bindings().viewSelectors[0]);
    window_.pageArea()->setCurrentIndex(0);
    setAreasEnabled(false);
    panel_->show();
    panel_->raise();
    unlockEdit_->setFocus();
}

void DeviceLock::setAreasEnabled(bool enabled) {
    for (const char* name : {"FormPageItem", "AdvPanel1", "AdvPageControl1"})
        window_.control<QWidget>(QString::fromLatin1(name))->setEnabled(enabled);
}

bool DeviceLock::matchesDevicePassword(const QString& text) const {
    const std::string& password = link_.texts().devicePassword;
    return password.size() == PasswordLength && text.toStdString() == password;
}

void DeviceLock::unlock() {
    // A wrong password is only cleared: the console stays locked, silently.
    if (matchesDevicePassword(unlockEdit_->text())) {
        panel_->hide();
        setAreasEnabled(true);
        console_.showPrompt("解锁成功!", "unlocked Success!");
    }
    unlockEdit_->clear();
}

void DeviceLock::checkOldPassword() {
    if (!matchesDevicePassword(oldPassword_->text()))
        return;
    newPassword_->setEnabled(true);
    oldPassword_->clear();
}

void DeviceLock::changePassword() {
    const QString text = newPassword_->text();
    if (text.size() != PasswordLength)
        return;
    link_.texts().devicePassword = text.toStdString();
    link_.sendTextCommand(command::DevicePassword, link_.texts().devicePassword);
    // The box's acknowledgement brings "Password is changed!".
    link_.armFollowUp(link_state::PasswordChanged);
    newPassword_->clear();
    newPassword_->setEnabled(false);
    oldPassword_->clear();
}

bool DeviceLock::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys that type nothing (arrows, Delete) still move and delete, and Tab
    // still moves on.
    if (text.isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab ||
        key->key() == Qt::Key_Backtab)
        return false;
    for (QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digit && c != QLatin1Char('\b') && c != QLatin1Char('\r'))
            return true;
    }
    return false;
}

} // namespace kdsp
