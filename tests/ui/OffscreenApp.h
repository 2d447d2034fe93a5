#pragma once
// A QApplication for widget tests, created once per test program on the offscreen platform.
#include "common/ui/InterfaceFont.h"

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
    // Layout expectations are computed in the program's own font, which must be installed.
    if (!ApplyInterfaceFont()) {
        std::fprintf(stderr, "the interface font is not installed (scripts/install-deps.sh)\n");
        std::abort();
    }
}

} // namespace corvane::test
