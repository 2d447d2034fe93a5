#pragma once
// The readable form of a load table: CSV (RFC 4180) in UTF-8, a header of the record's field
// names, then one line per record. `build` reads it and `dump` writes it, so one is the inverse
// of the other: numbers are written in their shortest round-trip form and flag arrays as the IDs
// of the set flags separated by ";".
#include "catalog/LoadRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::tool {

// One record of CSV fields and the source line it starts on (counted from 1).
struct CsvRow {
    std::vector<std::string> fields;
    int line = 0;
};

// Splits CSV text into rows. Quoted fields may hold commas, doubled quotes and line breaks;
// CR LF and LF both end a row; empty lines are skipped. On malformed text returns nothing and
// sets `error` to a message that starts with the line number ("12: ...").
std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, std::string& error);

// The field names of a family's records, in CSV column order.
std::vector<std::string> FieldNames(RecordFamily family);

// The header line and the line of one record, UTF-8 without the line end.
std::string HeaderLine(RecordFamily family);
std::string RecordLine(RecordFamily family, const LoadRecord& record);

// Turns one row of UTF-8 fields into a record. Refuses a wrong field count, a number that is not
// one, a flag ID out of range, a text that Windows-1252 cannot hold or that is longer than its
// field; `error` then names the field.
std::optional<LoadRecord> ParseRecord(RecordFamily family, const std::vector<std::string>& fields,
                                      std::string& error);

} // namespace corvane::tool
