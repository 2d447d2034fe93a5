#pragma once
// "Ballistics Settings Dialog": the default altitude, temperature and crosswind the control
// panel starts from, shown in the unit system on show and returned in English units.
#include "settings/AppSettings.h"
#include "settings/ui/CheckedEntryDialog.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace corvane {

class TfrmDefaultBallistics : public CheckedEntryDialog {
    Q_OBJECT
public:
    // Shows settings' DefaultAltitude, DefaultTemperature and DefaultCrossWind in the unit
    // system of EnglSys, with hints when ShowHints is on. prompts may be null (message boxes).
    explicit TfrmDefaultBallistics(const AppSettings& settings, UserPrompts* prompts = nullptr,
                                   QWidget* parent = nullptr);

    // After OK: whole numbers in feet, degrees Fahrenheit and mph. Before OK: the values the
    // dialog was opened with.
    double Altitude() const { return altitude_; }
    double Temperature() const { return temperature_; }
    double CrossWind() const { return crossWind_; }
    // Puts the three values into settings (the default conditions group).
    void ApplyTo(AppSettings& settings) const;

    QLineEdit* AltitudeEdit() const { return EditAlt; }
    QLineEdit* TemperatureEdit() const { return EditTemp; }
    QLineEdit* CrossWindEdit() const { return EditWind; }
    QLabel* UnitLabel(ConditionField field) const;

protected:
    void TakeValues() override;
    void RestoreDefaults() override;

private:
    QLineEdit* AddRow(ConditionField field, const QString& caption, const QString& hint,
                      double stored, bool showHints);

    bool english_;
    double altitude_;
    double temperature_;
    double crossWind_;
    QLineEdit* EditAlt = nullptr;
    QLineEdit* EditTemp = nullptr;
    QLineEdit* EditWind = nullptr;
    QLabel* lblUnits[3] = {};
    QGridLayout* rows_ = nullptr;
};

} // namespace corvane
