#pragma once
// How the own loads window reads and shows the numbers of a load or a rifle: each field in the
// unit system on show (grains or grams, ft/s or m/s, inches or centimetres and millimetres,
// yards or meters), checked against the document's limits when the user leaves it, and turned
// back into the English units the document keeps.
#include "rifle/MyLoads.h"
#include "settings/DialogChecks.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Whether the field may be left empty (a number the shooter may not know).
bool IsOptionalField(OwnField field);

// The field's name in messages: "Bullet weight", "Muzzle velocity", ...
std::string OwnFieldName(OwnField field);
// The unit beside the field ("grains" or "grams", ...); a click is in the rifle's scope unit.
std::string OwnFieldUnitWord(OwnField field, bool english,
                             AdjustmentUnit scope = AdjustmentUnit::Moa);

// A stored (English) value as the field shows it: at most the field's decimals, no trailing
// zeros; empty for an unknown value.
std::string OwnFieldText(OwnField field, std::optional<double> stored, bool english);

// Checks an entry when its field is left: accepted with the tidied text, or refused with a
// message naming the valid range and unit and the previous value's text to show again. The
// range is the document's limits in the unit on show, rounded inward, so every value the
// message allows is stored.
FieldCheck CheckOwnFieldEntry(OwnField field, std::string_view text, bool english,
                              std::optional<double> previous,
                              AdjustmentUnit scope = AdjustmentUnit::Moa);

// The English value of an accepted entry's text; none for an empty (unknown) entry.
std::optional<double> OwnFieldValue(OwnField field, std::string_view acceptedText, bool english);

// A name, caliber or note (UTF-8) when its field is left: trimmed; refused when longer than the
// document allows, or empty when `required` (a name).
FieldCheck CheckOwnText(std::string_view text, std::string_view previous, bool required);

// The number of a load's or a rifle's field; none for an unknown value or a field of the other.
bool IsRifleField(OwnField field);
std::optional<double> FieldValue(const OwnLoad& load, OwnField field);
std::optional<double> FieldValue(const RifleProfile& rifle, OwnField field);
// Sets a field of a load or a rifle; none makes an optional field unknown and leaves a
// required one as it is.
void SetFieldValue(OwnLoad& load, OwnField field, std::optional<double> value);
void SetFieldValue(RifleProfile& rifle, OwnField field, std::optional<double> value);

// The click values a scope of the unit commonly has: 1/4 and 1/8 MOA, 0.1 and 0.05 mil.
std::array<double, 2> CommonClicks(AdjustmentUnit unit);

} // namespace corvane
