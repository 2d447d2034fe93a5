#include "ballistics/CellText.h"

#include "catalog/LoadRecord.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"

#include <cmath>

namespace corvane {

std::string LeadingPad(double x) {
    const double magnitude = std::fabs(x);
    std::size_t width = 0;
    if (magnitude < 10) {
        width = 5;
    } else if (magnitude < 100) {
        width = 3;
    } else if (magnitude < 1000) {
        width = 1;
    }
    if (x >= 0) {
        ++width;
    }
    return std::string(width, ' ');
}

namespace {

// `lead`, the pad and the value with `decimals`; a value that is no number gives an empty cell.
std::string PaddedFixed(std::string_view lead, double x, int decimals) {
    if (!std::isfinite(x)) {
        return {};
    }
    return std::string(lead) + LeadingPad(x) + FormatFixed(x, decimals);
}

} // namespace

std::string RoundedCellText(double x) {
    if (!std::isfinite(x)) {
        return {};
    }
    return "  " + LeadingPad(x) + std::to_string(RoundHalfEven(x));
}

std::string OneDecimalCellText(double x) {
    return PaddedFixed("  ", x, 1);
}

LoadMark MakeLoadMark(std::string_view markCode, std::int32_t yearIntroduced, bool shotshell,
                      std::string_view shotSizeText) {
    static constexpr char kDoubleDagger = '\x87';
    LoadMark mark;
    const std::string code = UpperCase(Trim(markCode));
    if (code == "NP") {
        mark.Text = std::string(1, kDoubleDagger) + "  ";
        mark.NickelPlated = true;
    } else if (code == "HE") {
        mark.Text = "HE  ";
        mark.HighEnergy = true;
    } else if (code == "NE") {
        mark.Text = std::string(1, kDoubleDagger) + "  HE  ";
        mark.NickelPlated = true;
        mark.HighEnergy = true;
    } else if (code == "L") {
        mark.Text = "LR  ";
        mark.LowRecoil = true;
    }
    if (yearIntroduced == kNewLoadYear) {
        const bool starred = shotshell && shotSizeText.find('*') != std::string_view::npos;
        mark.Text += starred ? "New*" : "New";
    }
    return mark;
}

std::string SpacedCut(std::string_view text, std::size_t total) {
    // Built by appending: GCC 12 at -O3 reports a false -Wrestrict for literal + string.
    std::string spaced(1, ' ');
    spaced += text;
    return Left(spaced, total);
}

std::string BulletWeightCellText(std::int32_t grains, bool english) {
    if (english) {
        return "      " + LeadingPad(grains) + std::to_string(grains);
    }
    return PaddedFixed("      ", grains * kGramsPerGrain, 2);
}

double OunceWeightShown(double ounces, bool english) {
    return english ? ounces : ounces * kGramsPerOunce;
}

std::string OunceWeightCellText(double ounces, bool english) {
    return PaddedFixed(" ", OunceWeightShown(ounces, english), english ? 3 : 2);
}

std::string CoefficientCellText(double coefficient, int blanks) {
    if (!std::isfinite(coefficient)) {
        return {};
    }
    return std::string(static_cast<std::size_t>(blanks), ' ') + FormatFixed(coefficient, 3);
}

std::string LengthCellText(double inches, bool english) {
    return PaddedFixed(" ", english ? inches : inches * kCentimetersPerInch, 2);
}

std::string TrailingBlankCellText(std::string_view text, std::size_t innerTotal) {
    std::string inner(text);
    inner += ' ';
    std::string cell(1, ' ');
    cell += Left(inner, innerTotal);
    return cell;
}

std::string PrimerDiameterCellText(double inches, bool english) {
    if (!(inches > 0.0005) || !std::isfinite(inches)) {
        return "   ";
    }
    return PaddedFixed("   ", english ? inches : inches * kCentimetersPerInch, english ? 3 : 2);
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

} // namespace corvane
