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

    // The design's controls, found by tests and the screenshot driver.
    QComboBox* ChoiceList(int page) const { return choiceLists_[static_cast<std::size_t>(page)]; }
    QTableWidget* ResultGrid() const { return resultGrid_; }
    QTableWidget* GuideGrid() const { return guideGrid_; }
    QLabel* CaliberHeading() const { return caliberHeading_; }
    QPushButton* CaliberFinishButton() const { return caliberFinish_; }
    QLabel* GuideGameLine() const { return guideGameLine_; }
    QLabel* GuideHeading() const { return guideHeading_; }
    QLabel* ChokeLine(int line) const { return chokeLines_[static_cast<std::size_t>(line)]; }

    // The buttons' actions, page by page.
    void CloseWizard();
    void ShowPurposes();
    void ShowUsages();
    void ShowCalibers();
    // The caliber page's Finish (Next for the shotgun guide's game).
    void FinishCaliberPage();
    // Every page's Back: the page before this one.
    void GoBack();
    void StartNewSearch();
    // The result double-clicked: the catalog shows it.
    void ShowChosenLoad();
    void ShowGuideDistances();
    void ShowGuideResult();

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

    QStackedWidget* pages_ = nullptr;
    std::array<QComboBox*, 7> choiceLists_{}; // one per page; the results page has none
    QTableWidget* resultGrid_ = nullptr;
    QTableWidget* guideGrid_ = nullptr;
    QLabel* caliberHeading_ = nullptr;
    QPushButton* caliberFinish_ = nullptr;
    QLabel* guideGameLine_ = nullptr;
    QLabel* guideHeading_ = nullptr;
    std::array<QLabel*, 2> chokeLines_{};
    // The earlier choices repeated at the top of pages 1-3, 5 and 6: [page][line].
    std::array<std::array<QLabel*, 3>, 8> repeated_{};

    int firearmKind_ = 0;
    int usageCode_ = 0;
    CaliberChoices choices_;
    ExpertResultTable results_; // the results on show
};

} // namespace corvane
