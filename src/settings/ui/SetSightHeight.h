#pragma once
// "Sight Height Dialog": the sight height of the rifle, pistol, rimfire and slug sections,
// shown in inches or centimetres and returned in inches.
#include "settings/AppSettings.h"
#include "settings/ui/CheckedEntryDialog.h"

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace corvane {

class TfrmSightHeight : public CheckedEntryDialog {
    Q_OBJECT
public:
    // Shows the four sight heights of settings in the unit system of EnglSys, with hints when
    // ShowHints is on. prompts may be null (message boxes).
    explicit TfrmSightHeight(const AppSettings& settings, UserPrompts* prompts = nullptr,
                             QWidget* parent = nullptr);

    // After OK: the entered height in inches. Before OK: the value the dialog was opened with.
    double SightHeight(SightField field) const;
    // Puts the four heights into settings (the sight heights group).
    void ApplyTo(AppSettings& settings) const;

    QLineEdit* Edit(SightField field) const { return edits_[static_cast<int>(field)]; }
    QLabel* UnitLabel(SightField field) const { return units_[static_cast<int>(field)]; }

protected:
    void TakeValues() override;
    void RestoreDefaults() override;

private:
    void AddRow(SightField field, const QString& caption, double inches, bool showHints);

    bool english_;
    AppSettings heights_;
    QGridLayout* rows_ = nullptr;
    std::array<QLineEdit*, 4> edits_{}; // EditRifleSH, EditPistolSH, EditRimfireSH, EditSlugSH
    std::array<QLabel*, 4> units_{};
};

} // namespace corvane
