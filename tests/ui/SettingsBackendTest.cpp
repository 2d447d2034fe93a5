#include "settings/SettingsStore.h"
#include "settings/ui/QtSettingsBackend.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace corvane {
namespace {

class QtSettingsBackendTest : public ::testing::Test {
protected:
    QString PathOf(const char* fileName) const {
        return dir_.filePath(QString::fromLatin1(fileName));
    }

    QTemporaryDir dir_;
};

TEST_F(QtSettingsBackendTest, EveryKindRoundTrips) {
    QtSettingsBackend backend(PathOf("kinds.ini"));
    EXPECT_EQ(backend.Read("GridFontSize", ExpectedKind::Integer).kind, StoredKind::Absent);

    const double reals[] = {0.1, 1.0 / 3.0, 15000, 1e-300, -0.5, 123456789.123456789};
    int n = 0;
    for (double real : reals) {
        const std::string name = "Real" + std::to_string(n++);
        ASSERT_TRUE(backend.WriteReal(name, real));
        const StoredValue read = backend.Read(name, ExpectedKind::Real);
        ASSERT_EQ(read.kind, StoredKind::Real) << real;
        EXPECT_EQ(read.real, real);
    }

    ASSERT_TRUE(backend.WriteInteger("PriorStateLeft", std::numeric_limits<std::int32_t>::min()));
    const StoredValue integer = backend.Read("PriorStateLeft", ExpectedKind::Integer);
    ASSERT_EQ(integer.kind, StoredKind::Text);
    EXPECT_EQ(integer.text, "-2147483648");

    // Commas, quotes, '@', semicolons and characters beyond ASCII are all escaped by QSettings.
    const std::string folder = "/home/j\xE9r\xF4me/a,b;c \"@x\" = \x80\x87/";
    ASSERT_TRUE(backend.WriteText("TableDirectory", folder));
    EXPECT_EQ(ReadTableDirectory(backend, "none"), folder);

    QSettings raw(backend.FilePath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Settings/Real0")).toString(), QStringLiteral("0.1"));
}

TEST_F(QtSettingsBackendTest, SettingsSurviveAFreshBackendOnTheSameFile) {
    AppSettings s;
    s.EnglSys = false;
    s.DefaultAltitude = 1234.5678;
    s.DefaultTemperature = 120;
    s.clWindDrift = MakeColor(10, 20, 30);
    s.GridFontSize = 12;
    s.TrajectorySw = false;
    s.PistolSightHeight = 0.1 + 0.2;
    s.ZeroAtIndex = {1, 3, 5, 7};
    s.SavedIndex[0] = true;
    s.PriorStateLeft = -99;
    {
        QtSettingsBackend writer(PathOf("all.ini"));
        ASSERT_TRUE(SaveAllSettings(writer, s));
    }
    QtSettingsBackend reader(PathOf("all.ini"));
    EXPECT_EQ(ReadSettings(reader), s);
}

TEST_F(QtSettingsBackendTest, GarbageInTheFileReadsAsDefaults) {
    const QString path = PathOf("garbage.ini");
    // Unreadable values, lines that are no pairs, bytes beyond ASCII and a broken group.
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANE_TEST_DATA_DIR "/settings/garbage.ini"), path));
    ASSERT_TRUE(QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    QtSettingsBackend backend(path);
    AppSettings s = ReadSettings(backend);
    AppSettings expected;
    expected.NoteSw = false; // the one sound line still counts
    EXPECT_EQ(s, expected);
    EXPECT_EQ(backend.Read("clGrid", ExpectedKind::Integer).kind, StoredKind::Other);

    // The damaged file is still a store: a write lands and the sound values stay.
    s.GridFontSize = 15;
    ASSERT_TRUE(SaveSettingsGroup(backend, s, SettingsGroup::GridColors));
    expected.GridFontSize = 15;
    EXPECT_EQ(ReadSettings(backend), expected);
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError)
        << "the write leaves a sound file";
}

TEST_F(QtSettingsBackendTest, UnwritableStoreReportsFailure) {
    // A plain file where the store's folder should be: no one, not even root, can write there.
    const QString blocker = PathOf("blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QtSettingsBackend backend(blocker + QStringLiteral("/settings.ini"));
    AppSettings s;
    s.EnglSys = false;
    EXPECT_FALSE(SaveSettingsGroup(backend, s, SettingsGroup::UnitSystem));
    EXPECT_FALSE(SaveSettingsGroup(backend, s, SettingsGroup::EndOfRun));
    EXPECT_FALSE(SaveTableDirectory(backend, "/tmp"));
    EXPECT_EQ(ReadSettings(backend), AppSettings{});
    EXPECT_EQ(ReadTableDirectory(backend, "fallback"), "fallback");
}

TEST(QtSettingsBackendPlace, UserStoreLivesInTheOrganisationFolder) {
    const QtSettingsBackend backend;
    EXPECT_TRUE(
        backend.FilePath().endsWith(QStringLiteral("/CorvaneCatolog200X/CorvaneAmmoCatalog.ini")))
        << backend.FilePath().toStdString();
}

} // namespace
} // namespace corvane
