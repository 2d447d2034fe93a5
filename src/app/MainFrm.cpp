#include "app/MainFrm.h"

#include "app/BallisticsPanel.h"
#include "app/CompactTabStyle.h"
#include "app/ControlStrip.h"
#include "app/DetailArea.h"
#include "app/FilterCombo.h"
#include "app/MyLoadsLink.h"
#include "app/Pictures.h"
#include "app/QuickFind.h"
#include "app/RangeCardLink.h"
#include "app/SideWindows.h"
#include "app/SplashPage.h"
#include "app/TrajectoryChartLink.h"
#include "ballistics/GridData.h"
#include "catalog/SectionFilters.h"
#include "common/TextUtil.h"
#include "common/ui/QtScreenPlacement.h"
#include "common/ui/QtText.h"
#include "expert/ui/Ammoexpt.h"
#include "report/LoadHeading.h"
#include "report/ReportText.h"
#include "report/TableExport.h"
#include "settings/SettingsStore.h"
#include "windows/Disclaim.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace corvane {
namespace {

constexpr QSize kDesignClientSize{792, 572};
constexpr QSize kMinimumSize{635, 450};
const char* const kWebSite = "https://www.example.com/";

bool& HeadingSwitch(AppSettings& s, HeadingItem item) {
    switch (item) {
    case HeadingItem::BarrelLength:
        return s.BarrelLenSw;
    case HeadingItem::Dram:
        return s.DramEquivSw;
    case HeadingItem::Energy:
        return s.EnergySw;
    case HeadingItem::Note:
        return s.NoteSw;
    case HeadingItem::PrimerNumber:
        return s.PrimerNoSw;
    case HeadingItem::Trajectory:
        return s.TrajectorySw;
    case HeadingItem::Velocity:
        return s.VelocitySw;
    case HeadingItem::WindDrift:
        break;
    }
    return s.WindDriftSw;
}

QToolButton* ToolButton(const QString& name, const QString& text, const QString& hint,
                        QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

// The placement stored when none is remembered: 800 x 600, centred on the screen.
void StoreCentredPlacement(AppSettings& s, const QScreen* screen) {
    const QSize area = screen != nullptr ? screen->geometry().size() : QSize(800, 600);
    s.PriorStateLeft = (area.width() - 800) / 2;
    s.PriorStateTop = (area.height() - 600) / 2;
    s.PriorStateWidth = 800;
    s.PriorStateHeight = 600;
}

} // namespace

TfrmMain::TfrmMain(std::filesystem::path programDir, SettingsBackend& settingsStore,
                   UserPrompts* prompts, QWidget* parent)
    : QWidget(parent), programDir_(std::move(programDir)), store_(settingsStore),
      ownPrompts_(prompts == nullptr ? std::make_unique<QtUserPrompts>(this) : nullptr),
      prompts_(prompts == nullptr ? *ownPrompts_ : *prompts),
      catalog_(programDir_, prompts_), filters_{SectionFilters(catalog_, CatalogTab::Rifle),
                                                SectionFilters(catalog_, CatalogTab::Shotshell),
                                                SectionFilters(catalog_, CatalogTab::Components)},
      measure_(QFont(QStringLiteral("Arial"), 9)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Corvane Ammo Catalog"));
    // Fixed border with only a system menu until the catalog opens.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(kDesignClientSize);
    disclaimer_ = [](QWidget* owner) {
        TDisclaimForm form(owner);
        form.exec();
        return form.Declined();
    };

    pages_ = new QStackedWidget(this);
    splash_ = new SplashPage(pages_);
    splash_->SetPicture(
        LoadPicture(QString::fromStdString((catalog_.ProductInfoDir() / "splash.jpg").string())));
    pages_->addWidget(splash_);
    BuildCatalogPage();
    for (const ControlStrip::Page page : ControlStrip::kPages) {
        const std::vector<FilterCombo*> combos = strip_->FilterCombos(page);
        for (std::size_t i = 0; i < combos.size(); ++i) {
            combos[i]->ShowList(filters_[page], static_cast<FilterListKind>(i));
        }
    }
    detail_->Attach(catalog_.ProductInfoDir(), prompts_);
    side_ = new SideWindows(
        this, grid_, catalog_, prompts_,
        QString::fromStdString((catalog_.ProductInfoDir() / "noimagel.jpg").string()));
    connect(detail_, &DetailArea::largePictureClicked, side_, &SideWindows::ShowLargeImage);
    connect(detail_, &DetailArea::largePictureChanged, side_, &SideWindows::UpdateLargeImagePopup);
    connect(detail_, &DetailArea::catalogFocusWanted, this, [this] { grid_->setFocus(); });
    connect(strip_->PelletButton(), &QToolButton::clicked, this,
            &TfrmMain::ShowPelletWindowForLoad);
    OnLeftClick(strip_->PelletPicture(), [this] {
        if (strip_->PelletButton()->isEnabled()) {
            ShowPelletWindowForLoad();
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    pages_->setCurrentWidget(splash_);
    ConnectActions();
    qApp->installEventFilter(this);

    PlaceWindow(*this, nullptr, Placement::Centred);
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    SaveEndOfRunSettings();
}

void TfrmMain::BuildCatalogPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("Catalog"));
    sectionTabs_ = new QTabBar(page);
    sectionTabs_->setObjectName(QStringLiteral("TabControl1"));
    sectionTabs_->setExpanding(false);
    sectionTabs_->setDrawBase(false);
    auto* compact = new CompactTabStyle;
    compact->setParent(sectionTabs_);
    sectionTabs_->setStyle(compact);
    for (const char* caption :
         {"Centerfire Rifle", "Centerfire Pistol", "Rimfire", "Slug", "Shotshell", "Components"}) {
        sectionTabs_->addTab(QString::fromLatin1(caption));
    }
    auto* pnlToolBtn = new QWidget(page);
    pnlToolBtn->setObjectName(QStringLiteral("pnlToolBtn"));
    webSiteButton_ = ToolButton(QStringLiteral("sbnCorvaneWebSite"), QStringLiteral("Web"),
                                QStringLiteral("Corvane Web Site"), pnlToolBtn);
    expertButton_ = ToolButton(QStringLiteral("sbnAmmoExpert"), QStringLiteral("Expert"),
                               QStringLiteral("Zora Raduzu"), pnlToolBtn);
    printButton_ = ToolButton(QStringLiteral("sbnPrint"), QStringLiteral("Print"),
                              QStringLiteral("Print menu"), pnlToolBtn);
    toolsButton_ = ToolButton(QStringLiteral("sbnTools"), QStringLiteral("Tools"),
                              QStringLiteral("Tools menu"), pnlToolBtn);
    helpButton_ = ToolButton(QStringLiteral("sbnHelp"), QStringLiteral("Help"),
                             QStringLiteral("Help index"), pnlToolBtn);
    auto* tools = new QHBoxLayout(pnlToolBtn);
    tools->setContentsMargins(0, 0, 4, 0);
    tools->setSpacing(2);
    for (QToolButton* b :
         {webSiteButton_, expertButton_, printButton_, toolsButton_, helpButton_}) {
        tools->addWidget(b);
    }
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(sectionTabs_, 0, Qt::AlignBottom);
    top->addStretch(1);
    top->addWidget(pnlToolBtn);

    strip_ = new ControlStrip(page);
    detail_ = new DetailArea(page);
    grid_ = new CatalogGridView(page);
    auto legend = [page](const QString& name) {
        auto* label = new QLabel(page);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        font.setBold(true);
        label->setFont(font);
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
        label->hide();
        return label;
    };
    legendLine1_ = legend(QStringLiteral("lblLine1BottomTabPage0"));
    legendLine2_ = legend(QStringLiteral("lblLine2BottomTabPage0"));
    legendLine2_->setText(ToQString(kLegendHighEnergy));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(strip_);
    layout->addWidget(detail_);
    layout->addWidget(grid_, 1);
    layout->addWidget(legendLine1_);
    layout->addWidget(legendLine2_);
    pages_->addWidget(page);
    menus_ = BuildMainMenus(this);
    chartLink_ = new TrajectoryChartLink(*this, catalog_, settings_, shownLoads_, *grid_,
                                         *strip_->Ballistics());
    QToolButton* chart = chartLink_->NewToolButton(pnlToolBtn);
    tools->insertWidget(tools->indexOf(toolsButton_), chart);
    chartLink_->Attach(menus_.TrajectoryChart);
    cardLink_ = new RangeCardLink(*this, catalog_, settings_, shownLoads_, *grid_,
                                  *strip_->Ballistics(), prompts_);
    cardLink_->Attach(menus_.RangeCard);
    chartLink_->AddContextMenuAction(cardLink_->RowAction());
    myLoadsLink_ = new MyLoadsLink(*this, catalog_, settings_, shownLoads_, *grid_, *chartLink_,
                                   prompts_, DialogPrompts());
    QToolButton* myLoads = myLoadsLink_->NewToolButton(pnlToolBtn);
    tools->insertWidget(tools->indexOf(toolsButton_), myLoads);
    myLoadsLink_->Attach(menus_.MyLoads);
    chartLink_->UseOwnLoads(myLoadsLink_->Store());
    cardLink_->UseOwnLoads(myLoadsLink_->Store());
    InstallQuickFind(*this, catalog_);
    // The keyboard starts at the filter lists and the ballistics panel, then the grid; the
    // section tabs and the tool buttons come last.
    QWidget* previous = grid_;
    for (QWidget* next :
         std::initializer_list<QWidget*>{sectionTabs_, webSiteButton_, expertButton_, printButton_,
                                         chart, myLoads, toolsButton_, helpButton_}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void TfrmMain::ConnectActions() {
    // Ctrl+Tab or Ctrl+PgDn and Ctrl+Shift+Tab or Ctrl+PgUp step through the sections, going
    // round at either end as tab widgets do.
    for (const auto& [keys, step] :
         {std::pair{QKeySequence::keyBindings(QKeySequence::NextChild) +
                        QList{QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
                    1},
          std::pair{QKeySequence::keyBindings(QKeySequence::PreviousChild) +
                        QList{QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
                    -1}}) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            if (CatalogShown()) {
                const int count = sectionTabs_->count();
                sectionTabs_->setCurrentIndex((TabIndex(CurrentSection()) + step + count) % count);
            }
        });
    }
    connect(splash_, &SplashPage::hotAreaClicked, this, [this](int area) {
        // The hot areas are numbered as the sections; the expert's opens the components.
        OpenCatalogSection(area == SplashPage::kExpertArea ? CatalogTab::Components
                                                           : static_cast<CatalogTab>(area));
        if (area == SplashPage::kExpertArea && !declined_) {
            ShowExpertWindow();
        }
    });
    connect(sectionTabs_, &QTabBar::currentChanged, this, &TfrmMain::SectionTabChanged);
    for (const ControlStrip::Page page : ControlStrip::kPages) {
        for (FilterCombo* combo : strip_->FilterCombos(page)) {
            connect(
                combo, &FilterCombo::picked, this,
                [this, page](FilterListKind list, int index) { FilterPicked(page, list, index); });
        }
    }
    connect(strip_->Ballistics(), &BallisticsPanel::entryChanged, this,
            &TfrmMain::PanelEntryChanged);
    strip_->Ballistics()->SetPrompts(&prompts_);
    connect(strip_->RefreshButton(), &QPushButton::clicked, this, &TfrmMain::RefreshClicked);
    connect(strip_->DefaultsButton(), &QPushButton::clicked, this,
            &TfrmMain::RestoreBallisticDefaults);
    connect(grid_, &CatalogGridView::loadClicked, this, &TfrmMain::LoadSelected);
    connect(expertButton_, &QToolButton::clicked, this, &TfrmMain::ShowExpertWindow);
    connect(webSiteButton_, &QToolButton::clicked, this, &TfrmMain::OpenWebSite);
    connect(toolsButton_, &QToolButton::clicked, this, [this] {
        UpdateToolsMenuChecks();
        menus_.ToolsMenu->popup(toolsButton_->mapToGlobal(QPoint(-150, toolsButton_->height())));
    });
    connect(printButton_, &QToolButton::clicked, this, [this] {
        menus_.ColorPrinting->setChecked(settings_.ColorPrinting);
        menus_.PrintMenu->popup(printButton_->mapToGlobal(QPoint(-110, printButton_->height())));
    });
    connect(menus_.EnglishSystem, &QAction::triggered, this, [this] { SetUnitSystem(true); });
    connect(menus_.MetricSystem, &QAction::triggered, this, [this] { SetUnitSystem(false); });
    for (int i = 0; i < kHeadingItemCount; ++i) {
        connect(menus_.Headings[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { ToggleHeading(static_cast<HeadingItem>(i)); });
    }
    connect(menus_.RememberScreenPosition, &QAction::triggered, this, [this] {
        settings_.RememberScreenPosition = !settings_.RememberScreenPosition; // saved at the end
    });
    connect(menus_.ShowPopupHints, &QAction::triggered, this, [this] {
        ShowHints(!settings_.ShowHints);
        SaveSettings(SettingsGroup::ShowHints);
    });
    connect(menus_.TableToFile, &QAction::triggered, this, &TfrmMain::ExportTableToFile);
    ConnectMenuActions();
    connect(menus_.ColorPrinting, &QAction::triggered, this, [this] {
        settings_.ColorPrinting = !settings_.ColorPrinting;
        SaveSettings(SettingsGroup::ColorPrinting);
    });
}

void TfrmMain::UpdateToolsMenuChecks() {
    menus_.ShowPopupHints->setChecked(settings_.ShowHints);
    menus_.EnglishSystem->setChecked(settings_.EnglSys);
    menus_.MetricSystem->setChecked(!settings_.EnglSys);
    menus_.RememberScreenPosition->setChecked(settings_.RememberScreenPosition);
    for (int i = 0; i < kHeadingItemCount; ++i) {
        menus_.Headings[static_cast<std::size_t>(i)]->setChecked(
            HeadingSwitch(settings_, static_cast<HeadingItem>(i)));
    }
}

CatalogTab TfrmMain::CurrentSection() const {
    // The tabs are in section order and always one is current.
    return static_cast<CatalogTab>(std::max(sectionTabs_->currentIndex(), 0));
}

bool TfrmMain::CatalogShown() const {
    return pages_->currentIndex() == 1;
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!activated_) {
        FirstActivation();
    }
}

void TfrmMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Centred before it was shown, the window could not know the frame the window manager puts
    // around it; centred again once the frame is there, its title bar no longer pushes the
    // window's bottom off a small screen.
    if (!frameSeen_ && isVisible() && frameGeometry() != geometry()) {
        frameSeen_ = true;
        if (!positionKnown_) {
            PlaceWindow(*this, nullptr, Placement::Centred);
        }
    }
}

void TfrmMain::FirstActivation() {
    activated_ = true;
    const QSignalBlocker blocker(sectionTabs_);
    sectionTabs_->setCurrentIndex(0);
    LoadStartupSettings();
    grid_->ApplyGridColors(settings_);
    measure_.SetFont(grid_->GridFont());
}

void TfrmMain::LoadStartupSettings() {
    settings_ = ReadSettings(store_);
    ShowHints(settings_.ShowHints);
    strip_->Ballistics()->ApplyBallisticDefaults(settings_, CurrentSection());
}

void TfrmMain::ShowHints(bool on) {
    settings_.ShowHints = on;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (HelpKeyPressed(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::ToolTip && !settings_.ShowHints) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::OpenCatalogSection(CatalogTab section) {
    if (!activated_) {
        FirstActivation();
    }
    eventsEnabled_ = false;
    // From here on the window can be resized, minimised and maximised.
    setMinimumSize(kMinimumSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const Qt::WindowFlags sizeable = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                     Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    if (QWindow* shown = isVisible() ? windowHandle() : nullptr) {
        // Changed on the shown window itself: QWidget would make a new native window, which the
        // window manager opens with its client area where the frame was, a title bar higher.
        overrideWindowFlags(sizeable);
        shown->setFlags(sizeable);
    } else {
        setWindowFlags(sizeable);
    }
    pages_->setCurrentIndex(1);
    {
        const QSignalBlocker blocker(sectionTabs_);
        sectionTabs_->setCurrentIndex(TabIndex(section));
    }
    ShowCatalogTab();
    prompts_.ProcessEvents();
    if (disclaimer_ && disclaimer_(this)) {
        declined_ = true;
        close();
        // Ends the program's event loop; without a running loop (tests) closing is all.
        if (QThread::currentThread()->loopLevel() > 0) {
            QCoreApplication::exit(0);
        }
        return;
    }
    RestorePlacement();
    positionKnown_ = true;
    eventsEnabled_ = true;
}

void TfrmMain::RestorePlacement() {
    if (!settings_.RememberScreenPosition) {
        return;
    }
    AppSettings& s = settings_;
    const bool fits = s.PriorStateLeft >= -99 && s.PriorStateTop >= -99 &&
                      s.PriorStateWidth >= 400 && s.PriorStateHeight >= 300;
    if (fits) {
        move(s.PriorStateLeft, s.PriorStateTop);
        resize(s.PriorStateWidth, s.PriorStateHeight);
        // A placement remembered on a larger screen, or one a frame makes larger than the
        // screen, is brought onto this one.
        PlaceWindow(*this, nullptr, Placement::Kept);
    } else {
        StoreCentredPlacement(s, screen());
    }
    if (s.PriorStateMaximized) {
        showMaximized();
    } else if (isVisible()) {
        showNormal();
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    myLoadsLink_->KeepEntries();
    SaveEndOfRunSettings();
    QWidget::closeEvent(event);
}

void TfrmMain::SaveEndOfRunSettings() {
    if (endOfRunSaved_) {
        return;
    }
    endOfRunSaved_ = true;
    if (positionKnown_) {
        AppSettings& s = settings_;
        const bool centred = !s.RememberScreenPosition || isMaximized();
        s.PriorStateMaximized = s.RememberScreenPosition && isMaximized();
        if (centred) {
            StoreCentredPlacement(s, screen());
        } else {
            s.PriorStateLeft = pos().x();
            s.PriorStateTop = pos().y();
            s.PriorStateWidth = width();
            s.PriorStateHeight = height();
        }
    }
    SaveSettings(SettingsGroup::EndOfRun);
}

void TfrmMain::SaveSettings(SettingsGroup group) {
    if (!SaveSettingsGroup(store_, settings_, group) && !saveFailureTold_) {
        // Once a run: the choice stays in effect until the program ends either way.
        saveFailureTold_ = true;
        prompts_.ShowError("Your settings could not be saved. The changes stay in effect until "
                           "the program ends.");
    }
}

void TfrmMain::ShowFilterLists(ControlStrip::Page page) {
    for (FilterCombo* combo : strip_->FilterCombos(page)) {
        combo->Refresh();
    }
}

void TfrmMain::SectionTabChanged(int) {
    eventsEnabled_ = false;
    ShowCatalogTab();
    prompts_.ProcessEvents();
    eventsEnabled_ = true;
}

void TfrmMain::ShowCatalogTab() {
    selectFirstLoad_ = false;
    const CatalogTab tab = CurrentSection();
    const SectionTraits& traits = Traits(tab);
    side_->ClosePelletWindow();
    chartLink_->SectionChanged();
    detail_->SetSection(tab);
    printButton_->setEnabled(false);
    const ControlStrip::Page page = ControlStrip::PageOf(tab);
    try {
        filters_[page].Show(tab, shownLoads_);
    } catch (const CatalogFileError& error) {
        shownLoads_.Clear();
        prompts_.ShowError(error.what());
    }
    ShowFilterLists(page);
    strip_->setCurrentIndex(page);
    detail_->ShowTitlePicture(LoadPicture(QString::fromStdString(
        (catalog_.ProductInfoDir() / ("ts" + std::to_string(TabIndex(tab)) + ".jpg")).string())));
    switch (tab) {
    case CatalogTab::Rifle:
    case CatalogTab::Pistol:
    case CatalogTab::Rimfire:
        strip_->SetDefaultListWidths(180, 236);
        break;
    case CatalogTab::Slug:
        strip_->SetDefaultListWidths(220, 196);
        break;
    case CatalogTab::Shotshell:
    case CatalogTab::Components:
        break; // their own pages keep the design's widths
    }
    if (traits.HasBallistics()) {
        strip_->Ballistics()->ApplyBallisticDefaults(settings_, tab);
    }
    strip_->PelletButton()->setEnabled(false);
    FillCatalogGrid();
}

void TfrmMain::FilterPicked(ControlStrip::Page page, FilterListKind list, int index) {
    try {
        filters_[page].Pick(list, index, shownLoads_);
    } catch (const CatalogFileError& error) {
        shownLoads_.Clear();
        prompts_.ShowError(error.what());
    }
    ShowFilterLists(page);
    selectFirstLoad_ = true;
    FillCatalogGrid();
}

void TfrmMain::FillCatalogGrid() {
    // An entry still being typed (Refresh from the print menu) is checked before it is used.
    strip_->Ballistics()->CheckEntries();
    strip_->RefreshButton()->setEnabled(false);
    legendLine1_->hide();
    legendLine2_->hide();
    const CatalogTab tab = CurrentSection();
    if (Traits(tab).HasBallistics()) {
        strip_->Ballistics()->RememberConditionChoices(settings_, tab);
    }
    measure_.SetFont(grid_->GridFont());
    GridData built;
    try {
        catalog_.LoadSectionTable(tab);
        const GridRequest request{
            tab,
            catalog_.Records(tab),
            shownLoads_,
            [this, tab](int id, ListKind kind) { return catalog_.LookupName(id, tab, kind); },
            strip_->Ballistics()->Texts(),
            settings_,
            measure_};
        built = BuildGridData(request);
    } catch (const CatalogFileError& error) {
        prompts_.ShowError(error.what());
        // The grid shows no loads, so no row may stand for one.
        shownLoads_.Clear();
        const GridRequest empty{tab,
                                catalog_.Records(tab),
                                shownLoads_,
                                [](int, ListKind) { return std::string(); },
                                strip_->Ballistics()->Texts(),
                                settings_,
                                measure_};
        built = BuildGridData(empty);
    }
    const std::string legend1 = built.LegendLine1;
    const bool legend2 = built.LegendLine2Visible;
    grid_->ShowGridData(std::move(built), keepGridPosition_, savedPosition_, selectFirstLoad_);
    if (!legend1.empty()) {
        legendLine1_->setText(ToQString(legend1));
        legendLine1_->show();
    }
    legendLine2_->setVisible(legend2);
    if (selectFirstLoad_) {
        selectFirstLoad_ = false;
        LoadSelected();
        grid_->setFocus();
    }
    if (keepGridPosition_) {
        keepGridPosition_ = false;
        grid_->setFocus();
    }
    chartLink_->GridRefilled();
    cardLink_->Refresh();
}

void TfrmMain::LoadSelected() {
    const CatalogTab tab = CurrentSection();
    const SectionTraits& traits = Traits(tab);
    const int row = grid_->SelectedRow();
    if (row < 1 || static_cast<std::size_t>(row - 1) >= shownLoads_.Count() ||
        traits.IsComponents()) {
        return;
    }
    const int recordIndex = shownLoads_[static_cast<std::size_t>(row - 1)].recordIndex;
    const LoadRecord& load = catalog_.Record(tab, recordIndex);
    try {
        const LoadDetailHeading heading =
            BuildLoadDetailHeading(grid_->Data(), row, load, [this, tab](int id, ListKind kind) {
                return catalog_.LookupName(id, tab, kind);
            });
        detail_->ShowLoadTitle(ToQString(heading.Title), ToQString(heading.Usage));
        detail_->SetLoadKeys(heading.BrandKey, heading.StyleKey);
        if (traits.pelletData) {
            strip_->PelletButton()->setEnabled(true);
            side_->RefillPelletWindow(recordIndex, settings_.EnglSys);
        }
        printButton_->setEnabled(true);
        detail_->ShowLoadDetail();
    } catch (const CatalogFileError& error) {
        prompts_.ShowError(error.what());
    }
}

void TfrmMain::ShowPelletWindowForLoad() {
    const int row = grid_->SelectedRow();
    if (!Traits(CurrentSection()).pelletData || row < 1 ||
        static_cast<std::size_t>(row - 1) >= shownLoads_.Count()) {
        return;
    }
    side_->ShowPelletWindow(shownLoads_[static_cast<std::size_t>(row - 1)].recordIndex,
                            settings_.EnglSys);
}

void TfrmMain::PanelEntryChanged() {
    if (eventsEnabled_) {
        strip_->RefreshButton()->setEnabled(true);
    }
}

void TfrmMain::RefreshClicked() {
    RefillKeepingPosition();
}

void TfrmMain::RefillKeepingPosition() {
    if (!CatalogShown()) {
        return;
    }
    savedPosition_ = grid_->Position();
    keepGridPosition_ = true;
    FillCatalogGrid();
}

void TfrmMain::RestoreBallisticDefaults() {
    const CatalogTab tab = CurrentSection();
    if (const int slot = Traits(tab).ballisticsSlot; slot >= 0) {
        settings_.SavedIndex[static_cast<std::size_t>(slot)] = false;
    }
    strip_->Ballistics()->ApplyBallisticDefaults(settings_, tab);
    grid_->setFocus();
}

void TfrmMain::ApplyUnitSystem() {
    strip_->Ballistics()->ShowDefaultConditions(settings_);
    myLoadsLink_->UnitSystemChanged();
    RefillKeepingPosition();
}

void TfrmMain::SetUnitSystem(bool english) {
    settings_.EnglSys = english;
    SaveSettings(SettingsGroup::UnitSystem);
    side_->ClosePelletWindow();
    strip_->PelletButton()->setEnabled(false);
    printButton_->setEnabled(false);
    ApplyUnitSystem();
}

void TfrmMain::ToggleHeading(HeadingItem item) {
    bool& on = HeadingSwitch(settings_, item);
    on = !on;
    SaveSettings(SettingsGroup::ColumnSwitches);
    RefillKeepingPosition();
}

void TfrmMain::ExportTableToFile() {
    if (!CatalogShown()) {
        return;
    }
    const std::string folder = TableExportFolder(store_, programDir_);
    QFileDialog dialog(this, QStringLiteral("Save Table Data"), QString::fromStdString(folder),
                       QStringLiteral("all (*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(QString::fromStdString(ProposedTableFileName(folder)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WriteResult result =
        ExportTable(dialog.selectedFiles().constFirst().toStdString(), grid_->Data(), store_);
    QApplication::restoreOverrideCursor();
    if (!result.Ok) {
        prompts_.ShowError(Utf8ToCp1252(result.Error));
    }
}

void TfrmMain::OpenWebSite() {
    if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite)))) {
        QApplication::beep();
    }
}

void TfrmMain::ShowExpertWindow() {
    if (expert_ == nullptr) {
        expert_ = new TFormAmmoExpt(catalog_, settings_, *this, this);
    }
    expert_->ShowAndReset();
    expertShown_ = true;
}

void TfrmMain::SelectGridRow(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= shownLoads_.Count()) {
        return;
    }
    grid_->SelectGridRow(index + 1);
    prompts_.ProcessEvents();
}

void TfrmMain::ShowShotshellSection() {
    if (CurrentSection() != CatalogTab::Shotshell) {
        const QSignalBlocker blocker(sectionTabs_);
        sectionTabs_->setCurrentIndex(TabIndex(CatalogTab::Shotshell));
        ShowCatalogTab();
    }
}

void TfrmMain::ShowExpertLoad(const std::string& loadNumber, const std::string& shotKey,
                              CatalogTab section) {
    if (TabIndex(section) < 0 || TabIndex(section) >= kSectionCount) {
        return;
    }
    if (CurrentSection() != section || filters_[ControlStrip::PageOf(section)].Filtered()) {
        const QSignalBlocker blocker(sectionTabs_);
        sectionTabs_->setCurrentIndex(TabIndex(section));
        ShowCatalogTab();
    }
    const bool byShotSize = Traits(section).style == StyleSource::ShotSizes;
    for (std::size_t i = 0; i < shownLoads_.Count(); ++i) {
        const LoadRecord& r = catalog_.Record(section, shownLoads_[i].recordIndex);
        if (r.LoadNumber == loadNumber && (!byShotSize || r.ShotSizeText == shotKey)) {
            SelectGridRow(static_cast<int>(i));
            return;
        }
    }
}

} // namespace corvane
