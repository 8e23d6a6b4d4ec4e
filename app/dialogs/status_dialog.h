#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kdsp {

// TForm2: what the link is doing while it searches or transfers. Always on
// top, centred, never modal; closing it only hides it.
class StatusDialog : public QDialog {
public:
    explicit StatusDialog(QWidget* parent = nullptr);

    // The main window's LinkLabel caption, and the transfer's percentage.
    void setStatus(const QString& text, int percent);
    void setPortLabel(const QString& text);
    // 1 Chinese, 0 English: caption and the waiting note.
    void setLanguage(int language);

    QString statusText() const;
    int percent() const;

private:
    QLabel* linkLabel_;
    QLabel* comLabel_;
    QProgressBar* progress_;
    QLabel* warnLabel_;
};

} // namespace kdsp
