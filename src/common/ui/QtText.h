#pragma once
// The crossing between the core's Windows-1252 texts and Qt's strings.
#include "common/Cp1252.h"

#include <QString>
#include <string>
#include <string_view>

namespace corvane {

inline QString ToQString(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

inline std::string FromQString(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

} // namespace corvane
