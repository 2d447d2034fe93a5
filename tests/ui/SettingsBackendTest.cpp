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

// Reals in their shortest round-trip form, the smallest integer, a folder QSettings must escape,
// and every setting, read back by a fresh backend on the same file.
TEST_F(QtSettingsBackendTest, EveryKindRoundTripsThroughAFreshBackend) {
    AppSettings s;
    s.EnglSys = false;
    s.DefaultAltitude = 1234.5678;
    s.clWindDrift = MakeColor(10, 20, 30);
    s.TrajectorySw = false;
    s.PistolSightHeight = 0.1 + 0.2;
    s.ZeroAtIndex = {1, 3, 5, 7};
    s.SavedIndex[0] = true;
    s.PriorStateLeft = -99;
    // Commas, quotes, '@', semicolons and characters beyond ASCII.
    const std::string folder = "/home/j\xE9r\xF4me/a,b;c \"@x\" = \x80\x87/";
    const double reals[] = {0.1, 1.0 / 3.0, 1e-300, -0.5, 123456789.123456789};
    {
        QtSettingsBackend writer(PathOf("all.ini"));
        EXPECT_EQ(writer.Read("GridFontSize", ExpectedKind::Integer).kind, StoredKind::Absent);
        ASSERT_TRUE(SaveAllSettings(writer, s));
        for (std::size_t i = 0; i < std::size(reals); ++i) {
            ASSERT_TRUE(writer.WriteReal("Real" + std::to_string(i), reals[i]));
        }
        ASSERT_TRUE(writer.WriteInteger("Smallest", std::numeric_limits<std::int32_t>::min()));
        ASSERT_TRUE(writer.WriteText("TableDirectory", folder));
    }
    QtSettingsBackend reader(PathOf("all.ini"));
    EXPECT_EQ(ReadSettings(reader), s);
    for (std::size_t i = 0; i < std::size(reals); ++i) {
        const StoredValue read = reader.Read("Real" + std::to_string(i), ExpectedKind::Real);
        ASSERT_EQ(read.kind, StoredKind::Real) << reals[i];
        EXPECT_EQ(read.real, reals[i]);
    }
    EXPECT_EQ(reader.Read("Smallest", ExpectedKind::Integer).text, "-2147483648");
    EXPECT_EQ(ReadTableDirectory(reader, "none"), folder);
    QSettings raw(reader.FilePath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Settings/Real0")).toString(), QStringLiteral("0.1"));
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
