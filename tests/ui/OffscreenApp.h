#pragma once
// A QApplication for widget tests, created once per test program on the offscreen platform
// before its first test.
#include "app/ProgramSetup.h"

#include <QApplication>

#include <gtest/gtest.h>

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

// Every test of the program runs with the application; listing the tests needs none.
struct OffscreenAppEnvironment : ::testing::Environment {
    void SetUp() override { EnsureOffscreenApp(); }
};
inline ::testing::Environment* const kOffscreenAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new OffscreenAppEnvironment);

} // namespace corvane::test
