#include "settings/ui/QtSettingsBackend.h"

#include "common/NumberText.h"
#include "common/ui/QtText.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace corvane {
namespace {

QString KeyOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString UserStorePath() {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                             QString::fromLatin1(QtSettingsBackend::kOrganization),
                             QString::fromLatin1(QtSettingsBackend::kApplication));
    return settings.fileName();
}

// Shortest text that reads back as the same double; independent of the C locale.
QString RealText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

StoredValue FromText(const QString& text, ExpectedKind expected) {
    if (expected != ExpectedKind::Real) {
        return StoredValue::OfText(FromQString(text));
    }
    const auto real = TryParseDouble(text.toStdString());
    return real ? StoredValue::OfReal(*real) : StoredValue::OfOther();
}

// Typed values are only found in files written by other programs.
StoredValue FromTyped(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (ok && number >= std::numeric_limits<std::int32_t>::min() &&
            number <= std::numeric_limits<std::int32_t>::max()) {
            return StoredValue::OfInteger(static_cast<std::int32_t>(number));
        }
        return StoredValue::OfOther();
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double real = value.toDouble();
        return std::isfinite(real) ? StoredValue::OfReal(real) : StoredValue::OfOther();
    }
    default:
        return StoredValue::OfOther();
    }
}

} // namespace

QtSettingsBackend::QtSettingsBackend() : filePath_(UserStorePath()) {}

QtSettingsBackend::QtSettingsBackend(QString iniFilePath) : filePath_(std::move(iniFilePath)) {}

StoredValue QtSettingsBackend::Read(std::string_view name, ExpectedKind expected) {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(QString::fromLatin1(kGroup));
    const QVariant value = settings.value(KeyOf(name));
    if (!value.isValid()) {
        return StoredValue::Absent();
    }
    if (value.typeId() == QMetaType::QString) {
        return FromText(value.toString(), expected);
    }
    return FromTyped(value);
}

bool QtSettingsBackend::WriteInteger(std::string_view name, std::int32_t value) {
    return WriteString(name, QString::number(value));
}

bool QtSettingsBackend::WriteReal(std::string_view name, double value) {
    return WriteString(name, RealText(value));
}

bool QtSettingsBackend::WriteText(std::string_view name, std::string_view value) {
    return WriteString(name, ToQString(value));
}

bool QtSettingsBackend::WriteString(std::string_view name, const QString& value) {
    QSettings settings(filePath_, QSettings::IniFormat);
    // A damaged file is still read (what can be) and rewritten whole by the next sync; but
    // QSettings keeps the first error it met, so after a FormatError a failed write cannot be
    // told apart. Judge that one write by whether the file may be written at all.
    const bool damaged = settings.status() == QSettings::FormatError;
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(KeyOf(name), value);
    settings.endGroup();
    settings.sync();
    if (damaged) {
        return settings.isWritable() && QFileInfo(filePath_).isWritable();
    }
    return settings.status() == QSettings::NoError;
}

} // namespace corvane
