#pragma once
// TFormAmmoExpt, the Zora Raduzu: a non-modal step-by-step window that recommends catalog loads
// for a firearm, purpose, usage and caliber, or shot sizes and chokes through the shotgun guide.
// Created once by the main window; closing only hides it.
#include "expert/ExpertResultTable.h"
#include "expert/ExpertSearch.h"
#include "expert/ui/ExpertHost.h"
#include "settings/AppSettings.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace corvane {

class Catalog;

class TFormAmmoExpt : public QWidget {
    Q_OBJECT
public:
    enum Page { kFirearm, kPurpose, kUsage, kCaliber, kLoads, kGuideGauge, kGuideDistance, kGuide };

    // `settings` is read at each step for the unit system.
    TFormAmmoExpt(Catalog& catalog, const AppSettings& settings, ExpertHost& host,
                  QWidget* parent = nullptr);

    // The main window's Zora Raduzu button: show in normal state; a closed wizard starts afresh.
    void ShowAndReset();
    // Caption, page 0 and "Centerfire Rifle" selected.
    void Reset();

    int CurrentPage() const;
    int ClientWidth() const { return width(); }

    QStackedWidget* NotebookAE = nullptr;
    std::array<QComboBox*, 7> ComboBoxes{}; // ComboBox0 .. ComboBox6 (4 unused)
    QTableWidget* StringGrid4 = nullptr;
    QTableWidget* StringGrid7 = nullptr;
    QLabel* LabelSelCal3 = nullptr;
    QPushButton* bbnFinish3 = nullptr;
    QLabel* lblGameLine7 = nullptr;
    QLabel* lblHeading7 = nullptr;
    QLabel* lblChoke1 = nullptr;
    QLabel* lblChoke2 = nullptr;

    void bbnClose0Click();
    void bbnNext0Click();
    void bbnBack1Click();
    void bbnNext1Click();
    void bbnBack2Click();
    void bbnNext2Click();
    void bbnBack3Click();
    void bbnFinish3Click();
    void bbnBack4Click();
    void bbnNew4Click();
    void StringGrid4DblClick();
    void bbnBack5Click();
    void bbnNext5Click();
    void bbnBack6Click();
    void bbnFinish6Click();
    void bbnBack7Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPages();
    QWidget* BuildFirearmPage();
    QWidget* BuildChoicePage(int index, const QString& heading, int repeated);
    QWidget* BuildLoadsPage();
    QWidget* BuildGuideChoicePage(int index, const QString& heading);
    QWidget* BuildGuideResultPage();
    QPushButton* AddButton(QWidget* panel, const QString& name, const QString& caption,
                           const QString& hint, void (TFormAmmoExpt::*handler)());

    void ShowResults(const ExpertResultTable& table);
    void SetClientWidth(int width);
    void ShowCatalogError(const std::exception& error);

    Catalog& catalog_;
    const AppSettings& settings_;
    ExpertHost& host_;

    int FirearmKind = 0;
    int UsageCode = 0;
    int SearchTab = -1;
    int ChosenCode = 0;
    CaliberChoices choices_;

    // The earlier choices repeated at the top of pages 1-3, 5 and 6: [page][line].
    std::array<std::array<QLabel*, 3>, 8> repeated_{};
};

} // namespace corvane
