#include "common/ui/QtUserPrompts.h"

#include "common/ui/QtText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace corvane {
namespace {

QString Title() {
    return QApplication::applicationDisplayName();
}

} // namespace

void QtUserPrompts::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Title(), ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtUserPrompts::ShowError(const std::string& text) {
    QMessageBox::critical(parent_, Title(), ToQString(text));
}

AbortRetryAnswer QtUserPrompts::AskAbortRetry(const std::string& text) {
    const auto answer =
        QMessageBox::critical(parent_, Title(), ToQString(text),
                              QMessageBox::Abort | QMessageBox::Retry, QMessageBox::Retry);
    return answer == QMessageBox::Retry ? AbortRetryAnswer::Retry : AbortRetryAnswer::Abort;
}

// Repaints and timers only: a click or key press handled here would re-enter the slot that is
// still running (a section half shown, a table being read).
void QtUserPrompts::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace corvane
