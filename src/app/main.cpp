// Start of the catalog program: the main window over the catalog beside the program and the
// user's settings store.
#include "app/MainFrm.h"
#include "app/ProgramSetup.h"
#include "settings/ui/QtSettingsBackend.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    corvane::SetUpProgram();

    corvane::QtSettingsBackend settingsStore;
    const std::filesystem::path programDir =
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
    corvane::TfrmMain window(programDir, settingsStore);
    window.show();
    return app.exec();
}
