#include "app/dialogs/status_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace kdsp {

namespace {

constexpr const char* ChineseCaption = "设备状态";
constexpr const char* EnglishCaption = "Device Staus";
constexpr const char* ChineseWarning = "请稍等,可能需要几秒钟才能完成操作！";
constexpr const char* EnglishWarning = "Please Wait for a moment!";

} // namespace

StatusDialog::StatusDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm2");
    setModal(false);
    setAutoFillBackground(true);
    setStyleSheet("QDialog#TForm2 { background: white; }");

    linkLabel_ = new QLabel("设备未连接", this);
    linkLabel_->setObjectName("LinkLabel");
    comLabel_ = new QLabel("COM1", this);
    comLabel_->setObjectName("ComLabel");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("RzProgressStatus1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    warnLabel_ = new QLabel(this);
    warnLabel_->setObjectName("WarnLabel");

    auto* layout = new QGridLayout(this);
    layout->addWidget(linkLabel_, 0, 0);
    layout->addWidget(comLabel_, 0, 1, Qt::AlignRight);
    layout->addWidget(progress_, 1, 0, 1, 2);
    layout->addWidget(warnLabel_, 2, 0, 1, 2);
    setMinimumSize(306, 85);
    setLanguage(1);
}

void StatusDialog::setStatus(const QString& text, int percent) {
    linkLabel_->setText(text);
    progress_->setValue(percent);
}

void StatusDialog::setPortLabel(const QString& text) {
    comLabel_->setText(text);
}

void StatusDialog::setLanguage(int language) {
    setWindowTitle(language == 1 ? ChineseCaption : EnglishCaption);
    warnLabel_->setText(language == 1 ? ChineseWarning : EnglishWarning);
}

QString StatusDialog::statusText() const {
    return linkLabel_->text();
}

int StatusDialog::percent() const {
    return progress_->value();
}

} // namespace kdsp
