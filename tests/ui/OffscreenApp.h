#pragma once
// A QApplication for widget tests, created once per test program on the offscreen platform.
#include <QApplication>

#include <cstdlib>

namespace corvane::test {

inline void EnsureOffscreenApp() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

} // namespace corvane::test
