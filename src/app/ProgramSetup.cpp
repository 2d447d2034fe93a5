#include "app/ProgramSetup.h"

#include "common/ui/InterfaceFont.h"

#include <QApplication>

#include <clocale>

namespace corvane {

bool SetUpProgram() {
    // QApplication adopts the user's locale for the C library; the catalog's numbers are always
    // printed with a decimal point, as the tool and the exported tables print them.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("CorvaneAmmoCatalog"));
    // No display name: the window system would append it to every caption, and the captions
    // ("Disclaimer", " Large Image", "Corvane Zora Raduzu", ...) stand as designed.
    return ApplyInterfaceFont();
}

} // namespace corvane
