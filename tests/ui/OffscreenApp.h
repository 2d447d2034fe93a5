#pragma once
// A QApplication for widget tests, created once per test program on the offscreen platform.
#include "app/ProgramSetup.h"

#include <QApplication>

#include <cstdio>
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
    // The program's own set-up; layout expectations are computed in its interface font, which
    // must be installed.
    if (!SetUpProgram()) {
        std::fprintf(stderr, "the interface font is not installed (scripts/install-deps.sh)\n");
        std::abort();
    }
}

} // namespace corvane::test
