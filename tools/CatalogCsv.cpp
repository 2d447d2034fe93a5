#include "CatalogCsv.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"

#include <array>
#include <charconv>
#include <string>

namespace corvane::tool {

namespace {

enum class Kind { Int, Real, Text, Usage, ShotSizes };

// One column: its name, how it is written, and the record member it maps to. `textSize` is
// the character limit of a string field.
struct Column {
    const char* name;
    Kind kind;
    std::int32_t LoadRecord::*integer = nullptr;
    double LoadRecord::*real = nullptr;
    std::string LoadRecord::*text = nullptr;
    std::size_t textSize = 0;
};

Column IntCol(const char* name, std::int32_t LoadRecord::*member) {
    return {name, Kind::Int, member, nullptr, nullptr, 0};
}
Column RealCol(const char* name, double LoadRecord::*member) {
    return {name, Kind::Real, nullptr, member, nullptr, 0};
}
Column TextCol(const char* name, std::string LoadRecord::*member, std::size_t size) {
    return {name, Kind::Text, nullptr, nullptr, member, size};
}

using R = LoadRecord;

// The columns follow the field order of each family's byte layout.
const std::vector<Column>& Columns(RecordFamily family) {
    static const std::vector<Column> head = {
        IntCol("YearIntroduced", &R::YearIntroduced),
        TextCol("MarkCode", &R::MarkCode, 10),
        {"UsageFlags", Kind::Usage},
        TextCol("LoadNumber", &R::LoadNumber, 20),
        IntCol("CaliberId", &R::CaliberId),
    };
    auto with = [](std::vector<Column> tail) {
        std::vector<Column> all = head;
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    static const std::vector<Column> bullet = with({
        IntCol("BulletWeight", &R::BulletWeight),
        RealCol("BallisticCoefficient", &R::BallisticCoefficient),
        IntCol("BulletStyleId", &R::BulletStyleId),
        TextCol("PrimerNumber", &R::PrimerNumber, 10),
        IntCol("MuzzleVelocity", &R::MuzzleVelocity),
        RealCol("BarrelLength", &R::BarrelLength),
        TextCol("Note", &R::Note, 58),
        IntCol("BrandId", &R::BrandId),
    });
    static const std::vector<Column> rimfire = with({
        IntCol("BulletWeight", &R::BulletWeight),
        RealCol("BallisticCoefficient", &R::BallisticCoefficient),
        IntCol("BulletStyleId", &R::BulletStyleId),
        IntCol("MuzzleVelocity", &R::MuzzleVelocity),
        RealCol("BarrelLength", &R::BarrelLength),
        TextCol("Note", &R::Note, 58),
        IntCol("BrandId", &R::BrandId),
    });
    static const std::vector<Column> slug = with({
        RealCol("SlugWeight", &R::SlugWeight),
        RealCol("BallisticCoefficient", &R::BallisticCoefficient),
        IntCol("SlugStyleId", &R::SlugStyleId),
        IntCol("MuzzleVelocity", &R::MuzzleVelocity),
        RealCol("BarrelLength", &R::BarrelLength),
        RealCol("ShellLength", &R::ShellLength),
        TextCol("DramEquivalent", &R::DramEquivalent, 15),
        TextCol("Note", &R::Note, 58),
        IntCol("BrandId", &R::BrandId),
    });
    static const std::vector<Column> shotshell = with({
        RealCol("ShotWeight", &R::ShotWeight),
        TextCol("ShotSizeText", &R::ShotSizeText, 40),
        {"ShotSizeFlags", Kind::ShotSizes},
        IntCol("MuzzleVelocity", &R::MuzzleVelocity),
        IntCol("MuzzleEnergy", &R::MuzzleEnergy),
        RealCol("ShellLength", &R::ShellLength),
        TextCol("DramEquivalent", &R::DramEquivalent, 15),
        TextCol("Note", &R::Note, 58),
        IntCol("BrandId", &R::BrandId),
        IntCol("MaterialId", &R::MaterialId),
    });
    // The first field of a component is unnamed in the layout; "reserved" keeps its bytes.
    static const std::vector<Column> component = {
        IntCol("reserved", &R::Reserved),
        IntCol("ComponentTypeId", &R::ComponentTypeId),
        TextCol("ItemNumber", &R::ItemNumber, 12),
        TextCol("Gauge", &R::Gauge, 10),
        RealCol("PrimerDiameter", &R::PrimerDiameter),
        TextCol("Product", &R::Product, 10),
        TextCol("BrandName", &R::BrandName, 40),
        TextCol("Description", &R::Description, 40),
        TextCol("UsageText", &R::UsageText, 60),
    };
    switch (family) {
    case RecordFamily::BulletLoad:
        return bullet;
    case RecordFamily::Rimfire:
        return rimfire;
    case RecordFamily::Slug:
        return slug;
    case RecordFamily::Shotshell:
        return shotshell;
    case RecordFamily::Component:
        break;
    }
    return component;
}

// Shortest text that reads back to the same double.
std::string RealText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

template <std::size_t N> std::string FlagText(const std::array<bool, N>& flags) {
    std::string text;
    for (std::size_t id = 0; id < N; ++id) {
        if (flags[id]) {
            if (!text.empty()) {
                text += ';';
            }
            text += std::to_string(id);
        }
    }
    return text;
}

template <std::size_t N>
bool ParseFlags(std::string_view text, std::array<bool, N>& flags, std::string& error) {
    flags.fill(false);
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        const std::string_view item = text.substr(0, end);
        const auto id = TryParseInt(item);
        if (!id || *id < 0 || static_cast<std::size_t>(*id) >= N) {
            error =
                "'" + std::string(item) + "' is not a flag ID from 0 to " + std::to_string(N - 1);
            return false;
        }
        flags[static_cast<std::size_t>(*id)] = true;
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
        if (text.empty()) {
            error = "a flag list may not end with ';'";
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, std::string& error) {
    std::vector<CsvRow> rows;
    std::size_t i = 0;
    int line = 1;
    auto fail = [&](int at, const std::string& message) {
        error = std::to_string(at) + ": " + message;
        return std::nullopt;
    };
    while (i < text.size()) {
        if (text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += text[i] == '\r' ? 2 : 1; // an empty line
            ++line;
            continue;
        }
        CsvRow row;
        row.line = line;
        std::string field;
        bool rowDone = false;
        while (!rowDone) {
            field.clear();
            if (i < text.size() && text[i] == '"') {
                ++i;
                while (true) {
                    if (i >= text.size()) {
                        return fail(row.line, "a quoted field is not closed");
                    }
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') {
                        ++line;
                    }
                    field += c;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                    if (text[i] == '"') {
                        return fail(line, "a quote inside an unquoted field");
                    }
                    field += text[i++];
                }
            }
            row.fields.push_back(field);
            if (i >= text.size()) {
                rowDone = true;
            } else if (text[i] == ',') {
                ++i;
            } else if (text[i] == '\n' ||
                       (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                i += text[i] == '\r' ? 2 : 1;
                ++line;
                rowDone = true;
            } else {
                return fail(line, "text after a closing quote or a lone CR");
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> FieldNames(RecordFamily family) {
    std::vector<std::string> names;
    for (const Column& column : Columns(family)) {
        names.emplace_back(column.name);
    }
    return names;
}

std::string HeaderLine(RecordFamily family) {
    std::string line;
    for (const Column& column : Columns(family)) {
        if (!line.empty()) {
            line += ',';
        }
        line += column.name;
    }
    return line;
}

std::string RecordLine(RecordFamily family, const LoadRecord& record) {
    std::string line;
    bool first = true;
    for (const Column& column : Columns(family)) {
        std::string value;
        switch (column.kind) {
        case Kind::Int:
            value = std::to_string(record.*column.integer);
            break;
        case Kind::Real:
            value = RealText(record.*column.real);
            break;
        case Kind::Text:
            value = CsvField(Cp1252ToUtf8(record.*column.text));
            break;
        case Kind::Usage:
            value = FlagText(record.UsageFlags);
            break;
        case Kind::ShotSizes:
            value = FlagText(record.ShotSizeFlags);
            break;
        }
        line += (first ? "" : ",") + value;
        first = false;
    }
    return line;
}

std::optional<LoadRecord> ParseRecord(RecordFamily family, const std::vector<std::string>& fields,
                                      std::string& error) {
    const std::vector<Column>& columns = Columns(family);
    if (fields.size() != columns.size()) {
        error = std::to_string(fields.size()) + " fields where " + std::to_string(columns.size()) +
                " are expected";
        return std::nullopt;
    }
    LoadRecord record;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const std::string& value = fields[i];
        std::string problem;
        switch (column.kind) {
        case Kind::Int:
            if (const auto number = TryParseInt(value)) {
                record.*column.integer = *number;
            } else {
                problem = "'" + value + "' is not a whole number";
            }
            break;
        case Kind::Real:
            if (const auto number = TryParseDouble(value)) {
                record.*column.real = *number;
            } else {
                problem = "'" + value + "' is not a number";
            }
            break;
        case Kind::Text: {
            const std::string bytes = Utf8ToCp1252(value);
            if (Cp1252ToUtf8(bytes) != value) {
                problem = "the text is not valid UTF-8 or has characters outside Windows-1252";
            } else if (bytes.size() > column.textSize) {
                problem = "the text has " + std::to_string(bytes.size()) +
                          " characters, more than the field's " + std::to_string(column.textSize);
            } else {
                record.*column.text = bytes;
            }
            break;
        }
        case Kind::Usage:
            ParseFlags(value, record.UsageFlags, problem);
            break;
        case Kind::ShotSizes:
            ParseFlags(value, record.ShotSizeFlags, problem);
            break;
        }
        if (!problem.empty()) {
            error = std::string(column.name) + ": " + problem;
            return std::nullopt;
        }
    }
    return record;
}

} // namespace corvane::tool
