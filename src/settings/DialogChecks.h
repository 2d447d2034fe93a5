#pragma once
// The rules behind the ballistics settings, sight height and grid colour dialogs: how an entry
// is read, which range it must lie in, what the user is told otherwise, and how values travel
// between the English units they are stored in and the unit system on show.
#include "settings/AppSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// An entry read the forgiving way: blanks trimmed, every character but the digits, '-' and the
// decimal point dropped, and the rest converted. Nothing when no number is left.
std::optional<double> ParseNumber(std::string_view text);
// ParseNumber, or fallback when it finds no number.
double ParseNumberDef(std::string_view text, double fallback);

// What leaving a field decided: the text the field shows afterwards (the tidied value, or the
// reset text) and, when the entry was refused, the error message (Windows-1252).
struct FieldCheck {
    bool accepted = false;
    std::string text;
    std::string message;
};

// ---- Default conditions (whole numbers; stored in feet, degrees Fahrenheit and mph) ----

enum class ConditionField { Altitude, Temperature, CrossWind };

// Unit label beside the field: "Feet"/"Meters", "Fahrenheit"/"Celsius", "MPH"/"MPS".
std::string ConditionUnitWord(ConditionField field, bool english);
// A stored value shown in the unit system on show, rounded to a whole number.
std::string ConditionDisplayText(ConditionField field, double stored, bool english);
// Checks an entry when its field is left. An entry without a number is refused too.
FieldCheck CheckConditionEntry(ConditionField field, std::string_view text, bool english);
// The value to store for an accepted entry: a whole number in English units.
double ConditionFromEntry(ConditionField field, std::string_view text, bool english);
// The factory default as the dialog shows it: "0", "59"/"15", "10"/"4".
std::string ConditionRestoreText(ConditionField field, bool english);

// ---- Sight heights (stored in inches, shown with one decimal) ----

// One sight height entry of the dialog for each ballistics place.
using SightField = BallisticsSlot;

// "Inches" or "Centimeters".
std::string SightHeightUnitWord(bool english);
std::string SightHeightDisplayText(double inches, bool english);
FieldCheck CheckSightHeightEntry(SightField field, std::string_view text, bool english);
double SightHeightFromEntry(std::string_view text, bool english);
// "1.5", "0.9", "1.5", "0.5" or their Metric forms "3.8", "2.3", "3.8", "1.3".
std::string SightHeightRestoreText(SightField field, bool english);

double SightHeightOf(const AppSettings& settings, SightField field);
void SetSightHeight(AppSettings& settings, SightField field, double inches);

// ---- Grid colours and font size ----

struct GridColorRow {
    const char* label;
    ColorRef AppSettings::*setting;
    ColorRef factoryDefault;
};

// The seven rows in dialog order, background first.
extern const std::array<GridColorRow, 7> kGridColorRows;

inline constexpr int kMinGridFontSize = 6;
inline constexpr int kMaxGridFontSize = 16;
inline constexpr int kFactoryGridFontSize = 9;

// A stored font size the size chooser can show: kept within kMinGridFontSize..kMaxGridFontSize.
int ClampGridFontSize(int size);

} // namespace corvane
