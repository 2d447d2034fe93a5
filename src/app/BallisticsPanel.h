#pragma once
// The ballistics control panel: altitude, temperature and crosswind entries and the stepped
// increment, range and zero choices, with captions above and units labels below. The stepping
// rules are the core's; the panel only shows the result.
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/PanelStepping.h"
#include "catalog/SectionTraits.h"
#include "settings/AppSettings.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace corvane {

class SteppedSpinBox;
class UserPrompts;

class BallisticsPanel : public QWidget {
    Q_OBJECT
public:
    explicit BallisticsPanel(QWidget* parent = nullptr);

    // Default conditions in the current units and the units labels.
    void ShowDefaultConditions(const AppSettings& settings);
    // The defaults, then the section's stepped choices (remembered ones when saved).
    void ApplyBallisticDefaults(const AppSettings& settings, CatalogTab section);
    // The per-section memory takes the current stepped choices.
    void RememberConditionChoices(AppSettings& settings, CatalogTab section) const;
    void Step(StepControl control, StepDirection direction);

    // Refused entries are reported here; without prompts they are only reset.
    void SetPrompts(UserPrompts* prompts) { prompts_ = prompts; }
    // Checks the altitude and temperature the user changed against the ranges of the
    // ballistics settings; a refused entry is reported and gets its last valid text back.
    // Runs when such an entry loses the focus, and before the panel is read.
    bool CheckEntries();

    PanelTexts Texts() const;
    const PanelChoices& Choices() const { return choices_; }
    void SetEntriesEnabled(bool enabled);

    QLineEdit* AltitudeEntry() const { return altitude_; }
    QLineEdit* TemperatureEntry() const { return temperature_; }
    QSpinBox* CrossWindEntry() const { return crossWind_; }
    SteppedSpinBox* IncrementEntry() const { return increment_; }
    SteppedSpinBox* RangeEntry() const { return range_; }
    SteppedSpinBox* ZeroAtEntry() const { return zeroAt_; }

signals:
    // The text of any entry changed.
    void entryChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowStepValues();
    bool CheckEntry(QLineEdit* edit);

    QLineEdit* altitude_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QSpinBox* crossWind_ = nullptr;
    SteppedSpinBox* increment_ = nullptr;
    SteppedSpinBox* range_ = nullptr;
    SteppedSpinBox* zeroAt_ = nullptr;
    PanelChoices choices_;
    QLabel* unitLabels_[6] = {};
    UserPrompts* prompts_ = nullptr;
    bool english_ = true;
    bool checking_ = false;
    // The last accepted texts of the altitude and the temperature.
    QString lastValid_[2];
};

} // namespace corvane
