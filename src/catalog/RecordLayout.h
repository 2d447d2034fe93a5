#pragma once
// Byte layout of the five record families of the load tables: packed little-endian records,
// length-prefixed Windows-1252 strings, one-byte flags.
#include "catalog/LoadRecord.h"
#include "catalog/SectionTraits.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// Decodes one record of the family from exactly RecordSize bytes. Strings whose length byte
// exceeds the field are cut to the field; any bytes decode without reading outside `bytes`.
LoadRecord DecodeRecord(RecordFamily family, std::span<const std::uint8_t> bytes);

// Encodes one record in the family's layout (filler bytes are zero; texts longer than their
// field are cut to it).
std::vector<std::uint8_t> EncodeRecord(RecordFamily family, const LoadRecord& record);

} // namespace corvane
