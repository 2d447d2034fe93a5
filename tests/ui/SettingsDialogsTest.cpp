// The settings dialogs with real keys and clicks: entry checks when a field is left, OK and
// Enter refused while an entry is wrong, Escape storing nothing, and the values returned in
// English units. The limits, messages and conversions themselves are tested in tests/settings.
#include "settings/ui/ColorsFontSize.h"
#include "settings/ui/DefaultBallistics.h"
#include "settings/ui/SetSightHeight.h"

#include "OffscreenApp.h"
#include "catalog/CatalogTestSupport.h"
#include "common/ui/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class SettingsDialogsTest : public ::testing::Test {
protected:
    static void ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    static void TypeInto(QLineEdit* edit, const char* text) {
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    // Replaces the field's text by typing, then leaves the field with Tab.
    static void TypeAndLeave(QLineEdit* edit, const char* text) {
        TypeInto(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCoreApplication::processEvents(); // as the event loop would before the next action
    }

    test::RecordingPrompts prompts_;
};

TEST_F(SettingsDialogsTest, BallisticsEntriesAreCheckedWhenLeftAndOnOk) {
    AppSettings settings;
    TfrmDefaultBallistics dialog(settings, &prompts_);
    ShowActive(dialog);

    // A refused entry: the core's message, its reset text, and the focus stays.
    TypeAndLeave(dialog.CrossWindEdit(), "65");
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0],
              CheckConditionEntry(ConditionField::CrossWind, "65", true).message);
    EXPECT_EQ(dialog.CrossWindEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.CrossWindEdit());

    // A valid entry is tidied without a message and Tab moves on.
    TypeAndLeave(dialog.AltitudeEdit(), "1,500.4 ft");
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("1500"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.TemperatureEdit());
    // Leaving for Cancel discards instead of complaining.
    TypeInto(dialog.AltitudeEdit(), "99999");
    dialog.CancelButton()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(prompts_.errors.size(), 1u);

    // Enter on a refused entry keeps the dialog open.
    TypeInto(dialog.AltitudeEdit(), "20000");
    QTest::keyClick(dialog.AltitudeEdit(), Qt::Key_Return);
    ASSERT_EQ(prompts_.errors.size(), 2u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("0"));

    // A click on OK that takes the focus from a refused entry does not close the dialog.
    TypeInto(dialog.CrossWindEdit(), "61");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(prompts_.errors.size(), 3u);
    EXPECT_TRUE(dialog.isVisible());
    QCoreApplication::processEvents();

    TypeInto(dialog.TemperatureEdit(), "59.5");
    QTest::keyClick(dialog.TemperatureEdit(), Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.Temperature(), 60);
    EXPECT_EQ(dialog.Altitude(), 0);
}

TEST_F(SettingsDialogsTest, BallisticsMetricShowsConvertedValuesAndReturnsEnglish) {
    AppSettings settings;
    settings.EnglSys = false;
    settings.DefaultAltitude = 1000;
    settings.DefaultCrossWind = 60; // shows as 27 MPS, just above the Metric range
    TfrmDefaultBallistics dialog(settings, &prompts_);
    ShowActive(dialog);
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("305"));
    EXPECT_EQ(dialog.UnitLabel(ConditionField::CrossWind)->text(), QStringLiteral("MPS"));

    // Passing through an untouched field never refuses it.
    dialog.CrossWindEdit()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog.CrossWindEdit(), Qt::Key_Tab);
    EXPECT_TRUE(prompts_.errors.empty());

    TypeAndLeave(dialog.TemperatureEdit(), "-18");
    TypeInto(dialog.CrossWindEdit(), "4");
    QTest::keyClick(dialog.CrossWindEdit(), Qt::Key_Return);
    EXPECT_TRUE(prompts_.errors.empty());
    EXPECT_FALSE(dialog.Cancelled());
    AppSettings stored;
    dialog.ApplyTo(stored);
    EXPECT_EQ(stored.DefaultCrossWind, 9);
    EXPECT_EQ(stored.DefaultTemperature, 0);
    EXPECT_EQ(stored.DefaultAltitude, 1001); // 305 m

    // Restore fills in the factory values; Escape then stores nothing.
    TfrmDefaultBallistics again(settings, &prompts_);
    ShowActive(again);
    QTest::mouseClick(again.RestoreButton(), Qt::LeftButton);
    EXPECT_EQ(again.CrossWindEdit()->text(), QStringLiteral("4"));
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_TRUE(again.Cancelled());
    EXPECT_EQ(again.CrossWind(), 60);
}

TEST_F(SettingsDialogsTest, SightHeightsCheckedInCentimetersAndReturnedInInches) {
    AppSettings settings;
    settings.EnglSys = false;
    settings.RimfireSightHeight = 10;
    TfrmSightHeight dialog(settings, &prompts_);
    ShowActive(dialog);
    EXPECT_EQ(dialog.Edit(SightField::Rimfire)->text(), QStringLiteral("25.4"));
    EXPECT_EQ(dialog.UnitLabel(SightField::Slug)->text(), QStringLiteral("Centimeters"));

    TypeAndLeave(dialog.Edit(SightField::Rifle), "25.5");
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(dialog.Edit(SightField::Rifle)->text(), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.Edit(SightField::Rifle));
    TypeAndLeave(dialog.Edit(SightField::Pistol), "25.4");
    TypeAndLeave(dialog.Edit(SightField::Slug), "5.08 cm");
    EXPECT_EQ(prompts_.errors.size(), 1u);

    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.Cancelled());
    AppSettings stored;
    dialog.ApplyTo(stored);
    EXPECT_EQ(stored.RifleSightHeight, 0);
    EXPECT_DOUBLE_EQ(stored.PistolSightHeight, 10);
    EXPECT_DOUBLE_EQ(stored.SlugSightHeight, 5.1 * 0.39370078740157483);
    EXPECT_DOUBLE_EQ(stored.RimfireSightHeight, 25.4 * 0.39370078740157483);

    // English, no hints: Restore and Enter store the factory heights.
    settings.EnglSys = true;
    settings.ShowHints = false;
    TfrmSightHeight english(settings, &prompts_);
    ShowActive(english);
    EXPECT_TRUE(english.Edit(SightField::Rifle)->toolTip().isEmpty());
    english.RestoreButton()->click();
    QTest::keyClick(english.Edit(SightField::Pistol), Qt::Key_Return);
    EXPECT_FALSE(english.Cancelled());
    english.ApplyTo(stored);
    EXPECT_EQ(stored.RifleSightHeight, 1.5);
    EXPECT_EQ(stored.RimfireSightHeight, 1.5);
    EXPECT_EQ(stored.SlugSightHeight, 0.5);
    EXPECT_FALSE(
        TfrmSightHeight(AppSettings{}, &prompts_).Edit(SightField::Slug)->toolTip().isEmpty());
}

TEST_F(SettingsDialogsTest, ColorsChooserRestoreAndOk) {
    AppSettings settings;
    settings.clVelocity = MakeColor(1, 2, 3);
    settings.GridFontSize = 12;
    TfrmColorsFontSize dialog(settings);
    ShowActive(dialog);
    EXPECT_EQ(dialog.ColorLabel(3)->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(dialog.SampleField()->font().pointSize(), 12);

    QColor offered;
    std::optional<QColor> answer = QColor(10, 20, 30);
    dialog.SetColorChooser([&](const QColor& initial, QWidget*) {
        offered = initial;
        return answer;
    });
    QTest::mouseClick(dialog.SetButton(3), Qt::LeftButton);
    EXPECT_EQ(offered, QColor(1, 2, 3));
    EXPECT_EQ(dialog.ColorLabel(3)->palette().color(QPalette::Window), QColor(10, 20, 30));
    answer.reset(); // chooser cancelled: the row keeps its colour
    QTest::mouseClick(dialog.SetButton(0), Qt::LeftButton);
    EXPECT_EQ(dialog.RowColor(0), settings.clGrid);

    dialog.FontSizeUpDown()->setValue(20);
    EXPECT_EQ(dialog.FontSize(), 16);
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(dialog.FontSizeUpDown(), Qt::Key_Down);
    }
    EXPECT_EQ(dialog.FontSize(), 6);
    EXPECT_EQ(dialog.SampleField()->font().pointSize(), 6);

    AppSettings stored;
    stored.clHeading = 0;
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.Cancelled());
    dialog.ApplyTo(stored);
    EXPECT_EQ(stored.clVelocity, MakeColor(10, 20, 30));
    EXPECT_EQ(stored.clHeading, AppSettings{}.clHeading);
    EXPECT_EQ(stored.GridFontSize, 6);

    // Restore gives every row its factory colour; Escape then stores nothing, Enter all.
    for (const GridColorRow& row : kGridColorRows) {
        settings.*row.setting = MakeColor(9, 9, 9);
    }
    for (const bool escape : {true, false}) {
        TfrmColorsFontSize again(settings);
        ShowActive(again);
        again.RestoreButton()->click();
        QTest::keyClick(&again, escape ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_EQ(again.Cancelled(), escape);
        stored = settings;
        again.ApplyTo(stored);
    }
    for (const GridColorRow& row : kGridColorRows) {
        EXPECT_EQ(stored.*row.setting, AppSettings{}.*row.setting) << row.label;
    }
    EXPECT_EQ(stored.GridFontSize, 9);
}

} // namespace
} // namespace corvane
