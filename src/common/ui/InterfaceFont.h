#pragma once
// The interface font of every window. The program names an installed, metric-stable family
// instead of taking whatever fontconfig falls back to, so that text widths - and with them the tab
// strip, the wizard's width and the grid's columns - are the same on every machine.
#include <QFont>

namespace corvane {

// Liberation Sans (fonts-liberation2, a dependency of the package) at the size Qt's generic
// Unix theme uses.
QFont InterfaceFont();

// Makes InterfaceFont() the application font. Returns false, and leaves the font alone, when the
// family is not installed.
bool ApplyInterfaceFont();

} // namespace corvane
