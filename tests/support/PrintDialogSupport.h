#pragma once
// Finding the report's dialogs once they are shown, and opening the print set-up's options part,
// for the report window test and the print driver.
#include <QApplication>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace corvane::test {

// Runs `handle` on the first visible top-level dialog of type D once it is shown.
template <typename D> void HandleDialogWhenShown(const std::function<void(D*)>& handle) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<D*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                handle(dialog);
                return;
            }
        }
    });
    timer->start(20);
}

// Clicks "Options" so that the set-up's tabs show, and lets them be laid out.
inline void OpenPrintOptions(QPrintDialog& setup) {
    for (QPushButton* button : setup.findChildren<QPushButton*>()) {
        if (button->text().contains(QStringLiteral("Options"))) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    QCoreApplication::processEvents();
}

} // namespace corvane::test
