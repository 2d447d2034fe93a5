#include "common/ui/InterfaceFont.h"

#include <QApplication>
#include <QFontInfo>

namespace corvane {

QFont InterfaceFont() {
    QFont font(QStringLiteral("Liberation Sans"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool ApplyInterfaceFont() {
    const QFont font = InterfaceFont();
    if (QFontInfo(font).family() != font.family()) {
        return false;
    }
    QApplication::setFont(font);
    return true;
}

} // namespace corvane
