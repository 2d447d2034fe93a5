#pragma once
// The main window: the splash page, then the catalog with its section tabs, control strip,
// detail area and grid. It holds the run's catalog and settings and forwards the user's actions
// to the core; the decisions are the core's.
#include "app/CatalogGridView.h"
#include "app/ControlStrip.h"
#include "app/MainMenus.h"
#include "catalog/Catalog.h"
#include "catalog/SectionFilters.h"
#include "catalog/ShownLoads.h"
#include "common/ui/QtTextMeasure.h"
#include "common/ui/QtUserPrompts.h"
#include "expert/ui/ExpertHost.h"
#include "settings/AppSettings.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsKeys.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace corvane {

class DetailArea;
class FilterCombo;
class HelpViewer;
class MyLoadsLink;
class SideWindows;
class SplashPage;
class TFormAmmoExpt;
class RangeCardLink;
class TrajectoryChartLink;
class TfrmMainReport;
struct LoadReport;

class TfrmMain : public QWidget, public ExpertHost {
    Q_OBJECT
public:
    // Shows the disclaimer; true when the user declined it.
    using DisclaimerHook = std::function<bool(QWidget* owner)>;

    // `programDir` holds Data/ and ProductInfo/. `prompts` may be null for message boxes.
    TfrmMain(std::filesystem::path programDir, SettingsBackend& settingsStore,
             UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~TfrmMain() override;

    void SetDisclaimerHook(DisclaimerHook hook) { disclaimer_ = std::move(hook); }
    // Shows a settings dialog modally (exec() unless replaced, e.g. by a test).
    using ModalHook = std::function<void(QDialog& dialog)>;
    void SetModalHook(ModalHook hook) { modalHook_ = std::move(hook); }
    // Shows the report window holding `report` modally (exec() unless replaced).
    using ReportHook = std::function<void(TfrmMainReport& window, const LoadReport& report)>;
    void SetReportHook(ReportHook hook) { reportHook_ = std::move(hook); }

    // Entries for the other windows.
    void OpenCatalogSection(CatalogTab section);
    void ShowCatalogTab();
    void RefillKeepingPosition();
    void ShowExpertLoad(const std::string& loadNumber, const std::string& shotKey,
                        CatalogTab section) override;
    void ShowShotshellSection() override;
    void ExpertWindowClosed() override { expertShown_ = false; }
    // The Zora Raduzu button: shows the wizard, afresh when it was closed.
    void ShowExpertWindow();
    TFormAmmoExpt* ExpertWindow() const { return expert_; }
    TrajectoryChartLink* ChartLink() const { return chartLink_; }
    RangeCardLink* CardLink() const { return cardLink_; }
    // The run's own loads: their store, window and the grid's "Copy to My Loads".
    MyLoadsLink* OwnLoads() const { return myLoadsLink_; }
    void SelectGridRow(int index);
    void ApplyUnitSystem();
    void SetUnitSystem(bool english);
    void ToggleHeading(HeadingItem item);
    // "Table to file...": asks for the file name, then writes the grid.
    void ExportTableToFile();
    // The settings dialogs; on OK the settings are stored and the grid follows them.
    void EditBallisticsSettings();
    void EditColorsAndFontSize();
    void EditSightHeights();
    // The print menu: refresh if due, then the report of the selected load.
    void PrintSelectedLoad();
    void PrintAfterPrinterSetup();
    void WriteLoadReport(bool showSetup);
    // Opens the help window on a topic (HelpViewer's topic numbers).
    void ShowHelpTopic(int topic);
    HelpViewer* Help() const { return help_; }

    // State for tests and the screenshot driver.
    CatalogTab CurrentSection() const;
    bool CatalogShown() const;
    bool EventsEnabled() const { return eventsEnabled_; }
    bool Declined() const { return declined_; }
    const AppSettings& Settings() const { return settings_; }
    const ShownLoads& Shown() const { return shownLoads_; }
    SplashPage* Splash() const { return splash_; }
    ControlStrip* Strip() const { return strip_; }
    CatalogGridView* Grid() const { return grid_; }
    DetailArea* Detail() const { return detail_; }
    SideWindows* Side() const { return side_; }
    // "Pellet Data" (button or picture): the pellet window for the selected shotshell load.
    void ShowPelletWindowForLoad();
    QTabBar* SectionTabs() const { return sectionTabs_; }
    QLabel* Legend1() const { return legendLine1_; }
    QLabel* Legend2() const { return legendLine2_; }
    const MainMenus& Menus() const { return menus_; }
    // What the Tools menu shows when it opens.
    void UpdateToolsMenuChecks();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildCatalogPage();
    void ConnectActions();
    void ConnectMenuActions();
    void ShowModal(QDialog& dialog);
    UserPrompts* DialogPrompts();
    // F1 inside the window: the grid's topic over the grid, else the contents.
    bool HelpKeyPressed(QObject* watched, QEvent* event);
    void FirstActivation();
    void LoadStartupSettings();
    void RestorePlacement();
    void SaveEndOfRunSettings();
    // Stores a group of settings; the first failure of a run is told to the user.
    void SaveSettings(SettingsGroup group);
    void SectionTabChanged(int index);
    // The user picked an entry of a filter list on `page`.
    void FilterPicked(ControlStrip::Page page, FilterListKind list, int index);
    // The page's drop-down lists show their model again.
    void ShowFilterLists(ControlStrip::Page page);
    void FillCatalogGrid();
    void LoadSelected();
    void RefreshClicked();
    void RestoreBallisticDefaults();
    void PanelEntryChanged();
    void OpenWebSite();
    void ShowHints(bool on);

    std::filesystem::path programDir_;
    SettingsBackend& store_;
    std::unique_ptr<QtUserPrompts> ownPrompts_;
    UserPrompts& prompts_;
    Catalog catalog_;
    // The filter lists of each control strip page (indexed by ControlStrip::Page).
    std::array<SectionFilters, 3> filters_;
    AppSettings settings_;
    ShownLoads shownLoads_;
    QtTextMeasure measure_;
    DisclaimerHook disclaimer_;
    ModalHook modalHook_;
    ReportHook reportHook_;
    HelpViewer* help_ = nullptr;

    bool activated_ = false;
    bool eventsEnabled_ = false;
    bool keepGridPosition_ = false;
    bool selectFirstLoad_ = false;
    bool positionKnown_ = false;
    bool frameSeen_ = false;
    bool declined_ = false;
    bool endOfRunSaved_ = false;
    bool saveFailureTold_ = false;
    bool expertShown_ = false;
    TFormAmmoExpt* expert_ = nullptr;
    GridPosition savedPosition_;

    QStackedWidget* pages_ = nullptr;
    SplashPage* splash_ = nullptr;
    QTabBar* sectionTabs_ = nullptr;
    QToolButton* webSiteButton_ = nullptr;
    QToolButton* expertButton_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QToolButton* toolsButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    ControlStrip* strip_ = nullptr;
    DetailArea* detail_ = nullptr;
    SideWindows* side_ = nullptr;
    CatalogGridView* grid_ = nullptr;
    QLabel* legendLine1_ = nullptr;
    QLabel* legendLine2_ = nullptr;
    MainMenus menus_;
    TrajectoryChartLink* chartLink_ = nullptr;
    RangeCardLink* cardLink_ = nullptr;
    MyLoadsLink* myLoadsLink_ = nullptr;
};

} // namespace corvane
