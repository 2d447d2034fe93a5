#include "settings/ui/ColorsFontSize.h"
#include "settings/ui/DefaultBallistics.h"
#include "settings/ui/SetSightHeight.h"

#include "OffscreenApp.h"
#include "catalog/CatalogTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

class SettingsDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureOffscreenApp(); }

    static void ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    // Replaces the field's text by typing, then leaves the field with Tab.
    static void TypeAndLeave(QLineEdit* edit, const char* text) {
        TypeInto(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCoreApplication::processEvents(); // as the event loop would before the next action
    }
    static void TypeInto(QLineEdit* edit, const char* text) {
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    test::RecordingPrompts prompts_;
};

TEST_F(SettingsDialogsTest, BallisticsEntryOutOfRangeIsRefusedWhenLeft) {
    AppSettings settings;
    TfrmDefaultBallistics dialog(settings, &prompts_);
    ShowActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ballistics Settings Dialog"));

    TypeAndLeave(dialog.CrossWindEdit(), "65");
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0], "Crosswind speed must be from 0 to 60 MPH.");
    EXPECT_EQ(dialog.CrossWindEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.CrossWindEdit());

    TypeAndLeave(dialog.TemperatureEdit(), "121");
    ASSERT_EQ(prompts_.errors.size(), 2u);
    EXPECT_EQ(prompts_.errors[1], "Temperature must be from 0\xBA to 120\xBA  Fahrenheit.");
    EXPECT_EQ(dialog.TemperatureEdit()->text(), QStringLiteral("59"));

    // A valid entry is tidied to its whole number without a message.
    TypeAndLeave(dialog.AltitudeEdit(), "1,500.4 ft");
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("1500"));
    EXPECT_EQ(prompts_.errors.size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), dialog.TemperatureEdit());

    // Leaving for Cancel discards instead of complaining.
    TypeInto(dialog.AltitudeEdit(), "99999");
    dialog.CancelButton()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(prompts_.errors.size(), 2u);
}

TEST_F(SettingsDialogsTest, BallisticsMetricShowsConvertedValuesAndReturnsEnglish) {
    AppSettings settings;
    settings.EnglSys = false;
    settings.DefaultAltitude = 1000;
    settings.DefaultTemperature = 59;
    settings.DefaultCrossWind = 60; // shows as 27 MPS, just above the Metric range
    TfrmDefaultBallistics dialog(settings, &prompts_);
    ShowActive(dialog);
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("305"));
    EXPECT_EQ(dialog.TemperatureEdit()->text(), QStringLiteral("15"));
    EXPECT_EQ(dialog.CrossWindEdit()->text(), QStringLiteral("27"));
    EXPECT_EQ(dialog.UnitLabel(ConditionField::Altitude)->text(), QStringLiteral("Meters"));
    EXPECT_EQ(dialog.UnitLabel(ConditionField::Temperature)->text(), QStringLiteral("Celsius"));
    EXPECT_EQ(dialog.UnitLabel(ConditionField::CrossWind)->text(), QStringLiteral("MPS"));

    // Passing through an untouched field never refuses it.
    dialog.CrossWindEdit()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog.CrossWindEdit(), Qt::Key_Tab);
    EXPECT_TRUE(prompts_.errors.empty());

    TypeAndLeave(dialog.TemperatureEdit(), "49");
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0], "Temperature must be from -18\xBA to 48\xBA  Celsius.");
    EXPECT_EQ(dialog.TemperatureEdit()->text(), QStringLiteral("15"));
    TypeAndLeave(dialog.TemperatureEdit(), "-18");

    TypeInto(dialog.CrossWindEdit(), "4");
    QTest::keyClick(dialog.CrossWindEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.CrossWind(), 9);
    EXPECT_EQ(dialog.Temperature(), 0);
    EXPECT_EQ(dialog.Altitude(), 1001); // 305 m
    AppSettings stored;
    dialog.ApplyTo(stored);
    EXPECT_EQ(stored.DefaultCrossWind, 9);
    EXPECT_EQ(stored.DefaultAltitude, 1001);
}

TEST_F(SettingsDialogsTest, BallisticsEnterWithRefusedEntryKeepsTheDialogOpen) {
    AppSettings settings;
    settings.DefaultAltitude = 250;
    TfrmDefaultBallistics dialog(settings, &prompts_);
    ShowActive(dialog);
    TypeInto(dialog.AltitudeEdit(), "20000");
    QTest::keyClick(dialog.AltitudeEdit(), Qt::Key_Return);
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0], "Altitude must be from 0 to 15000 Feet.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("0"));

    // A click on OK that takes the focus from a refused entry does not close the dialog.
    TypeInto(dialog.CrossWindEdit(), "61");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(prompts_.errors.size(), 2u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.CrossWindEdit()->text(), QStringLiteral("10"));
    QCoreApplication::processEvents();

    TypeInto(dialog.TemperatureEdit(), "59.5");
    QTest::keyClick(dialog.TemperatureEdit(), Qt::Key_Enter);
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.Temperature(), 60);
    EXPECT_EQ(dialog.Altitude(), 0);
}

TEST_F(SettingsDialogsTest, BallisticsRestoreDefaultsThenEscapeStoresNothing) {
    AppSettings settings;
    settings.EnglSys = false;
    settings.DefaultAltitude = 3000;
    settings.DefaultTemperature = 80;
    settings.DefaultCrossWind = 20;
    TfrmDefaultBallistics dialog(settings, &prompts_);
    ShowActive(dialog);
    dialog.RestoreButton()->click();
    EXPECT_EQ(dialog.AltitudeEdit()->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.TemperatureEdit()->text(), QStringLiteral("15"));
    EXPECT_EQ(dialog.CrossWindEdit()->text(), QStringLiteral("4"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(dialog.Altitude(), 3000);
    EXPECT_EQ(dialog.CrossWind(), 20);
}

TEST_F(SettingsDialogsTest, SightHeightsMetricCheckedAndReturnedInInches) {
    AppSettings settings;
    settings.EnglSys = false;
    settings.RimfireSightHeight = 10;
    TfrmSightHeight dialog(settings, &prompts_);
    ShowActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sight Height Dialog"));
    EXPECT_EQ(dialog.Edit(SightField::Rifle)->text(), QStringLiteral("3.8"));
    EXPECT_EQ(dialog.Edit(SightField::Pistol)->text(), QStringLiteral("2.3"));
    EXPECT_EQ(dialog.Edit(SightField::Rimfire)->text(), QStringLiteral("25.4"));
    EXPECT_EQ(dialog.Edit(SightField::Slug)->text(), QStringLiteral("1.3"));
    EXPECT_EQ(dialog.UnitLabel(SightField::Slug)->text(), QStringLiteral("Centimeters"));

    TypeAndLeave(dialog.Edit(SightField::Rifle), "25.5");
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0], "Rifle sight height must be from 0 to 25.4 Centimeters.");
    EXPECT_EQ(dialog.Edit(SightField::Rifle)->text(), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.Edit(SightField::Rifle));

    TypeAndLeave(dialog.Edit(SightField::Pistol), "25.4");
    EXPECT_EQ(dialog.Edit(SightField::Pistol)->text(), QStringLiteral("25.4"));
    TypeAndLeave(dialog.Edit(SightField::Slug), "5.08 cm");
    EXPECT_EQ(prompts_.errors.size(), 1u);

    dialog.OkButton()->click();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.SightHeight(SightField::Rifle), 0);
    EXPECT_DOUBLE_EQ(dialog.SightHeight(SightField::Pistol), 10);
    EXPECT_DOUBLE_EQ(dialog.SightHeight(SightField::Slug), 5.1 * 0.39370078740157483);
    AppSettings stored;
    dialog.ApplyTo(stored);
    EXPECT_DOUBLE_EQ(stored.RimfireSightHeight, 25.4 * 0.39370078740157483);
    EXPECT_DOUBLE_EQ(stored.PistolSightHeight, 10);
}

TEST_F(SettingsDialogsTest, SightHeightsEnglishRestoreHintsAndOk) {
    AppSettings settings;
    settings.RifleSightHeight = 2.75;
    settings.ShowHints = false;
    TfrmSightHeight dialog(settings, &prompts_);
    ShowActive(dialog);
    EXPECT_EQ(dialog.Edit(SightField::Rifle)->text(), QStringLiteral("2.8"));
    EXPECT_EQ(dialog.UnitLabel(SightField::Rifle)->text(), QStringLiteral("Inches"));
    EXPECT_TRUE(dialog.Edit(SightField::Rifle)->toolTip().isEmpty());

    dialog.RestoreButton()->click();
    const char* expected[] = {"1.5", "0.9", "1.5", "0.5"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog.Edit(static_cast<SightField>(i))->text(),
                  QString::fromLatin1(expected[i]));
    }
    QTest::keyClick(dialog.Edit(SightField::Pistol), Qt::Key_Return);
    EXPECT_FALSE(dialog.Cancelled());
    AppSettings stored;
    stored.RifleSightHeight = 7;
    dialog.ApplyTo(stored);
    EXPECT_EQ(stored.RifleSightHeight, 1.5);
    EXPECT_EQ(stored.PistolSightHeight, 0.9);
    EXPECT_EQ(stored.SlugSightHeight, 0.5);

    TfrmSightHeight withHints(AppSettings{}, &prompts_);
    EXPECT_EQ(withHints.Edit(SightField::Rimfire)->toolTip(),
              QStringLiteral("Sight's height above center of barrel's bore"));
    EXPECT_EQ(withHints.RestoreButton()->toolTip(), QStringLiteral("Restore factory defaults"));
}

TEST_F(SettingsDialogsTest, ColorsChooserRestoreAndOk) {
    AppSettings settings;
    settings.clVelocity = MakeColor(1, 2, 3);
    settings.GridFontSize = 12;
    TfrmColorsFontSize dialog(settings);
    ShowActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Colors and Font Size Dialog"));
    EXPECT_EQ(dialog.ColorLabel(3)->text(), QStringLiteral("Velocity Column Color"));
    EXPECT_EQ(dialog.ColorLabel(3)->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(dialog.FontSizeUpDown()->value(), 12);
    EXPECT_EQ(dialog.SampleField()->font().pointSize(), 12);

    QColor offered;
    std::optional<QColor> answer = QColor(10, 20, 30);
    dialog.SetColorChooser([&](const QColor& initial, QWidget*) {
        offered = initial;
        return answer;
    });
    dialog.SetButton(3)->click();
    EXPECT_EQ(offered, QColor(1, 2, 3));
    EXPECT_EQ(dialog.RowColor(3), MakeColor(10, 20, 30));
    EXPECT_EQ(dialog.ColorLabel(3)->palette().color(QPalette::Window), QColor(10, 20, 30));
    answer.reset(); // chooser cancelled: the row keeps its colour
    dialog.SetButton(0)->click();
    EXPECT_EQ(dialog.RowColor(0), settings.clGrid);

    dialog.FontSizeUpDown()->setValue(20);
    EXPECT_EQ(dialog.FontSize(), 16);
    for (int i = 0; i < 12; ++i) {
        dialog.FontSizeUpDown()->stepDown();
    }
    EXPECT_EQ(dialog.FontSize(), 6);

    AppSettings stored;
    stored.clHeading = 0;
    dialog.OkButton()->click();
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
        EXPECT_EQ(again.FontSizeUpDown()->value(), 9);
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
