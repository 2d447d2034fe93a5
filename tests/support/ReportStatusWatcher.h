#pragma once
// Records the texts the report's "Report Status" window shows while the watcher lives.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace corvane::test {

class ReportStatusWatcher : public QObject {
public:
    ReportStatusWatcher() { qApp->installEventFilter(this); }
    ~ReportStatusWatcher() override { qApp->removeEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && window != nullptr &&
            window->windowTitle() == QStringLiteral("Report Status")) {
            texts << window->findChild<QLabel*>()->text();
        }
        return false;
    }
};

} // namespace corvane::test
