#pragma once
// The range card window: a load (the catalog's selected load or one of the shooter's own), a
// rifle profile, the conditions (the ballistics panel's unless edited here), the card's rows and
// units; shows the card the core builds, prints it through the report window and saves its CSV.
#include "rifle/MyLoads.h"
#include "rifle/PrecisionEntries.h"
#include "rifle/RangeCardPage.h"
#include "rifle/RangeCardSetup.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace corvane {

class TfrmMainReport;
class UserPrompts;

class RangeCardWindow : public QWidget {
    Q_OBJECT
public:
    explicit RangeCardWindow(QWidget* parent = nullptr);

    // Where errors are told, the report pictures' folder and colour printing.
    void SetPrinting(UserPrompts* prompts, const QString& productInfoDir, bool colorPrinting);
    // The catalog's selected load; none outside the sections with ballistics or without a
    // selection.
    void SetCatalogLoad(std::optional<CardLoad> load);
    // The ballistics panel, the unit system and the section's sight height (inches). The
    // conditions follow the panel unless the user edited them here; a unit change always
    // brings the panel's back.
    void SetPanel(const PanelTexts& panel, bool english, double sectionSightHeight);
    // The shooter's own loads and rifles.
    void SetMyLoads(const MyLoads& document);
    // The catalog's load becomes the card's load (opening from a row).
    void UseCatalogLoad();

    // Shows the report window for the card (exec() unless replaced, e.g. by a test).
    using PrintHook = std::function<void(TfrmMainReport& window)>;
    void SetPrintHook(PrintHook hook) { printHook_ = std::move(hook); }
    void PrintCard(bool showSetup);
    void SaveCsv();

    const RangeCardPage& Page() const { return page_; }
    const RangeCard& Card() const { return card_; }
    bool ConditionsEdited() const { return conditionsEdited_; }
    QTableWidget* Table() const { return table_; }
    QComboBox* ModelChoice() const { return model_; }

private:
    void BuildControls();
    void FillLoadList();
    void FillRifleList();
    void RifleChosen();
    void UnitChosen();
    void FollowPanel();
    void ShowConditionsSource();
    void ShowUnitLabels();
    void ModelChosen();
    PrecisionEntryTexts PrecisionTexts() const;
    // Checks a precision entry the user leaves; false when refused (the default is back).
    bool CheckPrecisionField(std::size_t entry);
    bool eventFilter(QObject* watched, QEvent* event) override;
    CardLoad ChosenLoad() const;
    RangeCardChoices Choices() const;
    void Rebuild();

    UserPrompts* prompts_ = nullptr;
    QString productInfoDir_;
    bool colorPrinting_ = true;
    PrintHook printHook_;
    std::optional<CardLoad> catalogLoad_;
    MyLoads myLoads_;
    PanelTexts panel_;
    bool english_ = true;
    bool panelKnown_ = false;
    double sectionSightHeight_ = 1.5;
    bool conditionsEdited_ = false;
    bool filling_ = false;
    RangeCard card_;
    RangeCardPage page_;

    QComboBox* loadList_ = nullptr;
    QComboBox* rifleList_ = nullptr;
    QLineEdit* altitude_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QLineEdit* crossWind_ = nullptr;
    QLabel* conditionsSource_ = nullptr;
    QPushButton* followPanel_ = nullptr;
    QSpinBox* start_ = nullptr;
    QSpinBox* step_ = nullptr;
    QSpinBox* maxRange_ = nullptr;
    QRadioButton* moa_ = nullptr;
    QRadioButton* mil_ = nullptr;
    QDoubleSpinBox* click_ = nullptr;
    QDoubleSpinBox* vitalZone_ = nullptr;
    QComboBox* energyPreset_ = nullptr;
    QSpinBox* energy_ = nullptr;
    QLabel* unitLabels_[6] = {};
    QLabel* zeroLine_ = nullptr;
    QLabel* pointBlank_ = nullptr;
    QLabel* problem_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* energyLine_ = nullptr;
    QComboBox* model_ = nullptr;
    QLabel* modelLine_ = nullptr;
    QWidget* precisionEntries_ = nullptr; // shown under the precision model only
    std::array<QLineEdit*, kPrecisionEntryCount> precisionEdits_ = {};
    std::array<QLabel*, kPrecisionEntryCount> precisionUnits_ = {};
    bool checkingEntry_ = false;
};

} // namespace corvane
