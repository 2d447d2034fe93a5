#include "settings/SettingsStore.h"
#include "settings/MemorySettingsBackend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace corvane {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> WrittenNames(const MemorySettingsBackend& backend) {
    std::vector<std::string> names;
    for (const auto& write : backend.Writes()) {
        names.push_back(write.name);
    }
    return names;
}

TEST(ReadSettings, FreshUserGetsFactoryDefaults) {
    MemorySettingsBackend backend;
    EXPECT_EQ(ReadSettings(backend), AppSettings{});
    EXPECT_TRUE(backend.Writes().empty()) << "reading must not create values";
}

TEST(ReadSettings, RealsOutsideTheirRangeTakeTheirDefault) {
    struct Case {
        const char* name;
        double stored;
        double expected;
        double AppSettings::*member;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"DefaultTemperature", 120, 120, &AppSettings::DefaultTemperature},
        {"DefaultTemperature", 120.5, 59, &AppSettings::DefaultTemperature},
        {"DefaultTemperature", -0.5, 59, &AppSettings::DefaultTemperature},
        {"DefaultAltitude", 15000, 15000, &AppSettings::DefaultAltitude},
        {"DefaultAltitude", 15000.001, 0, &AppSettings::DefaultAltitude},
        {"DefaultCrossWind", 61, 10, &AppSettings::DefaultCrossWind},
        {"DefaultCrossWind", nan, 10, &AppSettings::DefaultCrossWind},
        {"RifleSightHeight", 10, 10, &AppSettings::RifleSightHeight},
        {"RifleSightHeight", 10.01, 1.5, &AppSettings::RifleSightHeight},
        {"PistolSightHeight", 0, 0, &AppSettings::PistolSightHeight},
        {"RimfireSightHeight", inf, 1.5, &AppSettings::RimfireSightHeight},
        {"SlugSightHeight", -inf, 0.5, &AppSettings::SlugSightHeight},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend backend;
        backend.Put(c.name, StoredValue::OfReal(c.stored));
        EXPECT_EQ(ReadSettings(backend).*c.member, c.expected) << c.name << " = " << c.stored;
    }
}

TEST(ReadSettings, BooleansReadAsNumbers) {
    struct Case {
        StoredValue stored;
        bool englSys;    // default true
        bool savedIndex; // default false
    };
    const Case cases[] = {
        {StoredValue::OfInteger(5), true, true},   {StoredValue::OfInteger(0), false, false},
        {StoredValue::OfText("1"), true, true},    {StoredValue::OfText("0"), false, false},
        {StoredValue::OfText("yes"), true, false}, {StoredValue::OfReal(1), true, false},
        {StoredValue::OfOther(), true, false},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend backend;
        backend.Put("EnglSys", c.stored);
        backend.Put("SavedIndex1", c.stored);
        const AppSettings s = ReadSettings(backend);
        EXPECT_EQ(s.EnglSys, c.englSys) << "'" << c.stored.text << "' " << c.stored.integer;
        EXPECT_EQ(s.SavedIndex[1], c.savedIndex) << "'" << c.stored.text << "'";
    }
}

TEST(ReadSettings, WrongKindsAndNonNumbersTakeTheirDefault) {
    MemorySettingsBackend backend;
    backend.Put("GridFontSize", StoredValue::OfText("12"));
    backend.Put("PriorStateLeft", StoredValue::OfText("-40"));
    backend.Put("PriorStateTop", StoredValue::OfText("12px"));
    backend.Put("RangeIndex3", StoredValue::OfText("99999999999"));
    backend.Put("clGrid", StoredValue::OfInteger(0x00123456));
    backend.Put("clEnergy", StoredValue::OfReal(5));
    backend.Put("DefaultTemperature", StoredValue::OfText("70"));
    backend.Put("DefaultAltitude", StoredValue::OfInteger(500));
    const AppSettings s = ReadSettings(backend);
    EXPECT_EQ(s.GridFontSize, 12);
    EXPECT_EQ(s.PriorStateLeft, -40);
    EXPECT_EQ(s.PriorStateTop, -100);
    EXPECT_EQ(s.RangeIndex[3], 3);
    EXPECT_EQ(s.clGrid, 0x00123456u);
    EXPECT_EQ(s.clEnergy, AppSettings{}.clEnergy);
    EXPECT_EQ(s.DefaultTemperature, 59);
    EXPECT_EQ(s.DefaultAltitude, 0);
}

TEST(SaveSettings, GroupsWriteTheirValuesInOrderWithTheirKinds) {
    MemorySettingsBackend backend;
    AppSettings s;
    s.VelocitySw = false;
    ASSERT_TRUE(SaveSettingsGroup(backend, s, SettingsGroup::ColumnSwitches));
    EXPECT_THAT(WrittenNames(backend),
                ElementsAre("PrimerNoSw", "BarrelLenSw", "DramEquivSw", "VelocitySw", "EnergySw",
                            "WindDriftSw", "TrajectorySw", "NoteSw"));
    EXPECT_EQ(backend.Get("VelocitySw").text, "0");
    EXPECT_EQ(backend.Get("NoteSw").text, "1");

    backend.ClearLog();
    s.IncrementIndex = {4, 5, 6, 7};
    ASSERT_TRUE(SaveSettingsGroup(backend, s, SettingsGroup::EndOfRun));
    EXPECT_THAT(WrittenNames(backend),
                ElementsAre("IncrementIndex0", "RangeIndex0", "ZeroAtIndex0", "SavedIndex0",
                            "IncrementIndex1", "RangeIndex1", "ZeroAtIndex1", "SavedIndex1",
                            "IncrementIndex2", "RangeIndex2", "ZeroAtIndex2", "SavedIndex2",
                            "IncrementIndex3", "RangeIndex3", "ZeroAtIndex3", "SavedIndex3",
                            "PriorStateMaximized", "PriorStateLeft", "PriorStateTop",
                            "PriorStateWidth", "PriorStateHeight", "RememberScreenPosition"));
    EXPECT_EQ(backend.Get("IncrementIndex2").kind, StoredKind::Integer);
    EXPECT_EQ(backend.Get("IncrementIndex2").integer, 6);
    EXPECT_EQ(backend.Get("SavedIndex3").kind, StoredKind::Text);
    EXPECT_EQ(backend.Get("DefaultTemperature").kind, StoredKind::Absent);
}

TEST(SaveSettings, IntegerOverATextIsWrittenAsText) {
    MemorySettingsBackend backend;
    backend.Put("GridFontSize", StoredValue::OfText("garbage"));
    AppSettings s;
    s.GridFontSize = -11;
    ASSERT_TRUE(SaveSettingsGroup(backend, s, SettingsGroup::GridColors));
    EXPECT_EQ(backend.Get("GridFontSize").kind, StoredKind::Text);
    EXPECT_EQ(backend.Get("GridFontSize").text, "-11");
    EXPECT_EQ(backend.Get("clGrid").kind, StoredKind::Integer);
}

TEST(SaveSettings, EveryGroupRoundTripsThroughTheStore) {
    AppSettings s;
    s.EnglSys = s.ShowHints = s.NoteSw = s.ColorPrinting = s.RememberScreenPosition = false;
    s.DefaultAltitude = 14999.75;
    s.DefaultTemperature = 0.1;
    s.DefaultCrossWind = 60;
    s.clTrajectory = MakeColor(255, 255, 255);
    s.GridFontSize = 14;
    s.SlugSightHeight = 3.3;
    s.RangeIndex = {0, 1, 9, 4};
    s.SavedIndex = {true, false, true, true};
    s.PriorStateMaximized = true;
    s.PriorStateHeight = 777;

    MemorySettingsBackend backend;
    EXPECT_TRUE(SaveAllSettings(backend, s));
    EXPECT_EQ(ReadSettings(backend), s);
}

TEST(SaveSettings, FailedWritesReportFalseButTryEveryValue) {
    MemorySettingsBackend backend;
    backend.SetFailWrites(true);
    EXPECT_FALSE(SaveSettingsGroup(backend, AppSettings{}, SettingsGroup::UnitSystem));
    EXPECT_FALSE(SaveSettingsGroup(backend, AppSettings{}, SettingsGroup::GridColors));
    EXPECT_FALSE(SaveTableDirectory(backend, "/tables/"));
    EXPECT_EQ(backend.Writes().size(), 10u);
    EXPECT_EQ(ReadTableDirectory(backend, "fallback"), "fallback");
}

TEST(TableDirectory, ReadsTheStoredTextOnly) {
    MemorySettingsBackend backend;
    ASSERT_TRUE(SaveTableDirectory(backend, "/home/j\xE9r\xF4me/"));
    EXPECT_EQ(ReadTableDirectory(backend, "/opt/corvane/"), "/home/j\xE9r\xF4me/");
    backend.Put("TableDirectory", StoredValue::OfInteger(3));
    EXPECT_EQ(ReadTableDirectory(backend, "/opt/corvane/"), "/opt/corvane/");
}

} // namespace
} // namespace corvane
