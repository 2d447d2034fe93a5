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
    const ReadRequest request{name, expected};
    return ReadMany(std::span(&request, 1)).front();
}

std::vector<StoredValue> QtSettingsBackend::ReadMany(std::span<const ReadRequest> requests) {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(QString::fromLatin1(kGroup));
    std::vector<StoredValue> values;
    values.reserve(requests.size());
    for (const ReadRequest& request : requests) {
        const QVariant value = settings.value(KeyOf(request.name));
        if (!value.isValid()) {
            values.push_back(StoredValue::Absent());
        } else if (value.typeId() == QMetaType::QString) {
            values.push_back(FromText(value.toString(), request.expected));
        } else {
            values.push_back(FromTyped(value));
        }
    }
    return values;
}

bool QtSettingsBackend::WriteInteger(std::string_view name, std::int32_t value) {
    return WriteMany(std::array{WriteRequest{name, StoredValue::OfInteger(value)}});
}

bool QtSettingsBackend::WriteReal(std::string_view name, double value) {
    return WriteMany(std::array{WriteRequest{name, StoredValue::OfReal(value)}});
}

bool QtSettingsBackend::WriteText(std::string_view name, std::string_view value) {
    return WriteMany(std::array{WriteRequest{name, StoredValue::OfText(std::string(value))}});
}

bool QtSettingsBackend::WriteMany(std::span<const WriteRequest> values) {
    QSettings settings(filePath_, QSettings::IniFormat);
    // A damaged file is still read (what can be) and rewritten whole by the next sync; but
    // QSettings keeps the first error it met, so after a FormatError a failed write cannot be
    // told apart. Judge that write by whether the file may be written at all.
    const bool damaged = settings.status() == QSettings::FormatError;
    bool valid = true;
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (const WriteRequest& write : values) {
        switch (write.value.kind) {
        case StoredKind::Integer:
            settings.setValue(KeyOf(write.name), QString::number(write.value.integer));
            break;
        case StoredKind::Real:
            settings.setValue(KeyOf(write.name), RealText(write.value.real));
            break;
        case StoredKind::Text:
            settings.setValue(KeyOf(write.name), ToQString(write.value.text));
            break;
        default:
            valid = false;
            break;
        }
    }
    settings.endGroup();
    settings.sync();
    if (damaged) {
        return valid && settings.isWritable() && QFileInfo(filePath_).isWritable();
    }
    return valid && settings.status() == QSettings::NoError;
}

} // namespace corvane
