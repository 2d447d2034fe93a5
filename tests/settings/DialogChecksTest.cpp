#include "settings/DialogChecks.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ParseNumberDef, KeepsOnlyDigitsSignAndPoint) {
    EXPECT_EQ(ParseNumberDef("  1,500 ft ", -1), 1500);
    EXPECT_EQ(ParseNumberDef("-18", 0), -18);
    EXPECT_EQ(ParseNumberDef("3.8 cm", 0), 3.8);
    EXPECT_EQ(ParseNumberDef("1e3", 0), 13); // the exponent letter is dropped like any other
    EXPECT_EQ(ParseNumberDef("+5", 0), 5);
    EXPECT_EQ(ParseNumberDef("", 59), 59);
    EXPECT_EQ(ParseNumberDef("abc", -1), -1);
    EXPECT_EQ(ParseNumberDef("-", 4), 4);
    EXPECT_EQ(ParseNumberDef("1-2", 4), 4);
    EXPECT_EQ(ParseNumberDef("1.2.3", 4), 4);
    EXPECT_FALSE(ParseNumber(" . ").has_value());
}

TEST(ConditionChecks, BoundsAreAcceptedInBothUnitSystems) {
    using F = ConditionField;
    struct Bound {
        F field;
        bool english;
        const char* low;
        const char* high;
    };
    for (const Bound& b :
         {Bound{F::Altitude, true, "0", "15000"}, Bound{F::Altitude, false, "0", "4572"},
          Bound{F::Temperature, true, "0", "120"}, Bound{F::Temperature, false, "-18", "48"},
          Bound{F::CrossWind, true, "0", "60"}, Bound{F::CrossWind, false, "0", "26"}}) {
        EXPECT_TRUE(CheckConditionEntry(b.field, b.low, b.english).accepted) << b.low;
        EXPECT_TRUE(CheckConditionEntry(b.field, b.high, b.english).accepted) << b.high;
    }
    // Rounding happens before the check: 60.5 rounds to 60 (halves to even), 60.6 does not.
    EXPECT_TRUE(CheckConditionEntry(F::CrossWind, "60.5", true).accepted);
    EXPECT_FALSE(CheckConditionEntry(F::CrossWind, "60.6", true).accepted);
    EXPECT_FALSE(CheckConditionEntry(F::Temperature, "-18.6", false).accepted);
    EXPECT_EQ(CheckConditionEntry(F::Temperature, " 59.5 ", true).text, "60");
    EXPECT_EQ(CheckConditionEntry(F::Altitude, "-0.4", true).text, "0");
}

TEST(ConditionChecks, RefusalsGiveExactMessageAndResetText) {
    using F = ConditionField;
    const struct {
        F field;
        const char* entry;
        bool english;
        const char *message, *text;
    } cases[] = {
        {F::Altitude, "15001", true, "Altitude must be from 0 to 15000 Feet.", "0"},
        {F::Altitude, "-1", false, "Altitude must be from 0 to 4572 Meters.", "0"},
        {F::Temperature, "121", true, "Temperature must be from 0\xBA to 120\xBA  Fahrenheit.",
         "59"},
        {F::Temperature, "49", false, "Temperature must be from -18\xBA to 48\xBA  Celsius.", "15"},
        {F::CrossWind, "65", true, "Crosswind speed must be from 0 to 60 MPH.", "10"},
        {F::CrossWind, "27", false, "Crosswind speed must be from 0 to 26 MPS.", "4"},
    };
    for (const auto& c : cases) {
        const FieldCheck check = CheckConditionEntry(c.field, c.entry, c.english);
        EXPECT_FALSE(check.accepted) << c.entry;
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.text, c.text) << c.entry;
    }
    // An entry with no number in it is refused, even where -1 would lie inside the range.
    const FieldCheck empty = CheckConditionEntry(F::Temperature, "", false);
    EXPECT_FALSE(empty.accepted);
    EXPECT_EQ(empty.text, "15");
    EXPECT_FALSE(CheckConditionEntry(F::Temperature, "warm", false).accepted);
}

TEST(ConditionConversions, MetricShowsAndStoresWholeEnglishValues) {
    using F = ConditionField;
    EXPECT_EQ(ConditionFromEntry(F::CrossWind, "4", false), 9);
    EXPECT_EQ(ConditionDisplayText(F::CrossWind, 9, false), "4");
    EXPECT_EQ(ConditionDisplayText(F::CrossWind, 10, false), "4");
    EXPECT_EQ(ConditionFromEntry(F::Temperature, "59.5", true), 60);
    EXPECT_EQ(ConditionFromEntry(F::Temperature, "58.5", true), 58);
    EXPECT_EQ(ConditionFromEntry(F::Temperature, "15", false), 59);
    EXPECT_EQ(ConditionFromEntry(F::Temperature, "-18", false), 0);
    EXPECT_EQ(ConditionDisplayText(F::Temperature, 59, false), "15");
    EXPECT_EQ(ConditionDisplayText(F::Temperature, 0, false), "-18");
    EXPECT_EQ(ConditionFromEntry(F::Altitude, "4572", false), 15000);
    EXPECT_EQ(ConditionDisplayText(F::Altitude, 15000, false), "4572");
    EXPECT_EQ(ConditionDisplayText(F::Altitude, 1000.5, true), "1000");
    // Unreadable texts fall back to the factory defaults of the unit system.
    EXPECT_EQ(ConditionFromEntry(F::Temperature, "", false), 59);
    EXPECT_EQ(ConditionFromEntry(F::CrossWind, "x", true), 10);
}

TEST(SightHeightChecks, RangesMessagesAndTidiedText) {
    FieldCheck c = CheckSightHeightEntry(SightField::Rifle, "25.4", false);
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.text, "25.4");
    c = CheckSightHeightEntry(SightField::Rifle, "25.5", false);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Rifle sight height must be from 0 to 25.4 Centimeters.");
    EXPECT_EQ(c.text, "0");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Rifle, "10.01", true).message,
              "Rifle sight height must be from 0 to 10.0 Inches.");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Pistol, "-0.1", true).message,
              "Pistol sight height must be from 0 to 10.0 Inches.");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Rimfire, "", true).message,
              "Rimfire sight height must be from 0 to 10.0 Inches.");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Slug, "11", true).message,
              "Slug sight height must be from 0 to 10.0 Inches.");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Slug, "10", true).text, "10.0");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Slug, "-0", true).text, "0.0");
    EXPECT_EQ(CheckSightHeightEntry(SightField::Slug, "1.54in", true).text, "1.5");
}

TEST(SightHeightConversions, CentimetersShownInchesStored) {
    EXPECT_EQ(SightHeightDisplayText(1.5, false), "3.8");
    EXPECT_EQ(SightHeightDisplayText(10, false), "25.4");
    EXPECT_EQ(SightHeightDisplayText(0.9, true), "0.9");
    EXPECT_DOUBLE_EQ(SightHeightFromEntry("25.4", false), 10.0);
    EXPECT_DOUBLE_EQ(SightHeightFromEntry("3.8", false), 3.8 * 0.39370078740157483);
    EXPECT_DOUBLE_EQ(SightHeightFromEntry("", false), 3.8 * 0.39370078740157483);
    EXPECT_EQ(SightHeightFromEntry("", true), 1.5);

    AppSettings s;
    SetSightHeight(s, SightField::Rimfire, 2.25);
    EXPECT_EQ(s.RimfireSightHeight, 2.25);
    EXPECT_EQ(SightHeightOf(s, SightField::Rimfire), 2.25);
    EXPECT_EQ(SightHeightOf(s, SightField::Slug), 0.5);
}

TEST(GridColorRows, FactoryDefaultsMatchTheSettingsDefaults) {
    const AppSettings defaults;
    for (const GridColorRow& row : kGridColorRows) {
        EXPECT_EQ(defaults.*row.setting, row.factoryDefault) << row.label;
    }
    EXPECT_EQ(ClampGridFontSize(5), 6);
    EXPECT_EQ(ClampGridFontSize(17), 16);
    EXPECT_EQ(ClampGridFontSize(12), 12);
}

} // namespace
} // namespace corvane
