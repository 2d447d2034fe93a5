#pragma once
// The texts of the catalog grid's cells. Numbers are right-aligned by blank padding so that the
// plain text grid, the file export and the report line them up the same way. English values are
// shown as stored, Metric ones converted with the exact factors of UnitConversion.h. A value
// that is no number (NaN or infinite, only ever read from a damaged table) gives an empty cell.
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Five blanks below 10 in magnitude, three below 100, one below 1000, none above; one more for
// a value that is not negative. The pad follows the unrounded value.
std::string LeadingPad(double x);

// "  " + pad + the nearest integer (halves to even): velocity and energy cells.
std::string RoundedCellText(double x);
// "  " + pad + one decimal: wind drift and trajectory cells.
std::string OneDecimalCellText(double x);
// The trajectory cell at the zero range.
inline constexpr std::string_view kZeroCellText = "    zero";

// The mark of a load's foot note column, and what it tells the legends.
struct LoadMark {
    std::string Text; // without the leading blank of the cell
    bool NickelPlated = false;
    bool LowRecoil = false;
    bool HighEnergy = false;
};
// `shotshell`: a new load whose shot size text holds "*" reads "New*".
LoadMark MakeLoadMark(std::string_view markCode, std::int32_t yearIntroduced, bool shotshell,
                      std::string_view shotSizeText);

// " " + text, cut to `total` characters in all.
std::string SpacedCut(std::string_view text, std::size_t total);

// Sections 0-2: six blanks + pad + grains, or grams with 2 decimals.
std::string BulletWeightCellText(std::int32_t grains, bool english);
// Slug and shot weights: " " + pad + ounces with 3 decimals, or grams with 2 decimals.
std::string OunceWeightCellText(double ounces, bool english);
double OunceWeightShown(double ounces, bool english);
// `blanks` blanks + the coefficient with 3 decimals.
std::string CoefficientCellText(double coefficient, int blanks);
// Barrel and shell lengths: " " + pad + inches or centimeters with 2 decimals.
std::string LengthCellText(double inches, bool english);
// " " + (text + " ", cut to `innerTotal`): note (51) and shot sizes (41).
std::string TrailingBlankCellText(std::string_view text, std::size_t innerTotal);
// Component primer diameter: three blanks, then nothing for a diameter up to 0.0005 inch, else
// pad + inches with 3 decimals or centimeters with 2.
std::string PrimerDiameterCellText(double inches, bool english);

// The text a component cell is fitted on: its text without the leading blanks.
std::string_view WithoutLeadingBlanks(std::string_view text);

} // namespace corvane
