// Drives the real main window through its screens and saves each as a PNG:
//   corvane-screenshots OUTPUT_FOLDER
// The catalog is the one beside the program; settings stay in memory.
#include "app/ControlStrip.h"
#include "app/MainFrm.h"
#include "app/SplashPage.h"
#include "settings/MemorySettingsBackend.h"
#include "windows/Disclaim.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTest>

#include <cstdio>

namespace {

QString g_folder;

void Save(QWidget& widget, const char* name) {
    QApplication::processEvents();
    QTest::qWait(150);
    const QString file =
        g_folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvane-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);

    corvane::MemorySettingsBackend store;
    const std::filesystem::path programDir =
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
    corvane::TfrmMain window(programDir, store);
    window.SetDisclaimerHook([](QWidget* owner) {
        corvane::TDisclaimForm form(owner);
        form.show();
        Save(form, "disclaimer");
        return 0;
    });
    window.show();
    Save(window, "splash");
    window.Splash()->HighlightSplashItem(0);
    Save(window, "splash-hover-rifle");
    window.Splash()->HighlightSplashItem(6);
    Save(window, "splash-hover-expert");

    window.OpenCatalogSection(0);
    window.resize(800, 600);
    const char* names[] = {"section0-rifle", "section1-pistol",    "section2-rimfire",
                           "section3-slug",  "section4-shotshell", "section5-components"};
    for (int s = 0; s < 6; ++s) {
        window.Tabs()->setCurrentIndex(s);
        window.SelectGridRow(2);
        Save(window, names[s]);
    }
    // Figures for the notes: a rifle section switch and the memory with all sections open.
    QElapsedTimer timer;
    timer.start();
    window.Tabs()->setCurrentIndex(0);
    std::printf("rifle section shown in %lld ms\n", static_cast<long long>(timer.elapsed()));
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS")) {
                std::printf("%s\n", line.constData());
            }
        }
    }
    window.SelectGridRow(2);
    window.SetUnitSystem(false);
    Save(window, "section0-rifle-metric");
    window.SetUnitSystem(true);
    window.resize(1280, 900);
    Save(window, "section0-rifle-large");
    return 0;
}
