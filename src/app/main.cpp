// Start of the catalog program: the main window over the catalog beside the program and the
// user's settings store.
#include "app/MainFrm.h"
#include "common/ui/InterfaceFont.h"
#include "settings/ui/QtSettingsBackend.h"

#include <QApplication>
#include <QDir>

#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // QApplication adopts the user's locale for the C library; the catalog's numbers are always
    // printed with a decimal point, as the tool and the exported tables print them.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("CorvaneAmmoCatalog"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane Ammo Catalog"));
    corvane::ApplyInterfaceFont();

    corvane::QtSettingsBackend settingsStore;
    const std::filesystem::path programDir =
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
    corvane::TfrmMain window(programDir, settingsStore);
    window.show();
    return app.exec();
}
