#pragma once

#include <QObject>

namespace kdsp {

class Console;
class Edit;
class EditorLink;
class MainWindow;

// The device password: the lock the box can put on the console after a
// link is made (the unlock panel over the disabled window), and the change
// of the password on the main settings sheet. The password edits take only
// digits.
class DeviceLock : public QObject {
    Q_OBJECT
public:
    DeviceLock(MainWindow& window, Console& console, EditorLink& link);

    // After the first download of a link has been shown, when the box's
    // lock switch is on: show the music page under the unlock panel and
    // disable the rest until the device password is typed.
    void checkAfterDownload();
    bool locked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setAreasEnabled(bool enabled);
    void unlock();
    void checkOldPassword();
    void changePassword();
    bool matchesDevicePassword(const QString& text) const;

    MainWindow& window_;
    Console& console_;
    EditorLink& link_;
    QWidget* panel_ = nullptr;
    Edit* unlockEdit_ = nullptr;
    Edit* oldPassword_ = nullptr;
    Edit* newPassword_ = nullptr;
};

} // namespace kdsp
