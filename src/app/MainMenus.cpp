#include "app/MainMenus.h"

#include "app/BallisticsPanel.h"
#include "app/ControlStrip.h"
#include "app/HelpViewer.h"
#include "app/MainFrm.h"
#include "common/ui/QtText.h"
#include "report/LoadReport.h"
#include "report/ui/MainReport.h"
#include "settings/SettingsStore.h"
#include "settings/ui/ColorsFontSize.h"
#include "settings/ui/DefaultBallistics.h"
#include "settings/ui/SetSightHeight.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <exception>
#include <optional>

namespace corvane {
namespace {

QAction* Item(QMenu* menu, const QString& text, bool checkable = false) {
    QAction* action = menu->addAction(text);
    action->setCheckable(checkable);
    return action;
}

} // namespace

MainMenus BuildMainMenus(QWidget* owner) {
    MainMenus m;
    m.ToolsMenu = new QMenu(owner);
    m.ToolsMenu->setObjectName(QStringLiteral("PopupMenuTools"));
    m.BallisticsSettings = Item(m.ToolsMenu, QStringLiteral("&Ballistics settings..."));
    m.ColorsAndFontSize = Item(m.ToolsMenu, QStringLiteral("&Colors and font size..."));
    QMenu* units = m.ToolsMenu->addMenu(QStringLiteral("&English/Metric system"));
    m.EnglishSystem = Item(units, QStringLiteral("English system"), true);
    m.MetricSystem = Item(units, QStringLiteral("Metric system"), true);
    auto* unitGroup = new QActionGroup(units);
    unitGroup->addAction(m.EnglishSystem);
    unitGroup->addAction(m.MetricSystem);
    m.HeadingsSelection = m.ToolsMenu->addMenu(QStringLiteral("&Headings selection"));
    const QString headingTexts[kHeadingItemCount] = {
        QStringLiteral("&Barrel length"), QStringLiteral("&Dram equivalent"),
        QStringLiteral("&Energy"),        QStringLiteral("&Note"),
        QStringLiteral("&Primer number"), QStringLiteral("&Trajectory"),
        QStringLiteral("&Velocity"),      QStringLiteral("&Wind drift")};
    for (int i = 0; i < kHeadingItemCount; ++i) {
        m.Headings[static_cast<std::size_t>(i)] = Item(m.HeadingsSelection, headingTexts[i], true);
    }
    m.MyLoads = Item(m.ToolsMenu, QStringLiteral("&My loads..."));
    m.RememberScreenPosition = Item(m.ToolsMenu, QStringLiteral("&Remember screen position"), true);
    m.SightHeightSetting = Item(m.ToolsMenu, QStringLiteral("&Sight height setting..."));
    m.ShowPopupHints = Item(m.ToolsMenu, QStringLiteral("Show &popup hints"), true);
    m.TableToFile = Item(m.ToolsMenu, QStringLiteral("&Table to file..."));
    m.TrajectoryChart = Item(m.ToolsMenu, QStringLiteral("Trajectory &chart..."));
    m.RangeCard = Item(m.ToolsMenu, QStringLiteral("Range car&d..."));
    m.RangeCard->setObjectName(QStringLiteral("RangeCard1"));

    m.PrintMenu = new QMenu(owner);
    m.PrintMenu->setObjectName(QStringLiteral("PopupMenuPrint"));
    m.PrintLoadReport = Item(m.PrintMenu, QStringLiteral("&Print load report"));
    m.PrintMenu->addSeparator();
    m.ColorPrinting = Item(m.PrintMenu, QStringLiteral("&Color printing"), true);
    m.SetUpPrinter = Item(m.PrintMenu, QStringLiteral("&Set up printer"));
    return m;
}

// The main window's handlers of the menu items, the help button and F1.

void TfrmMain::ConnectMenuActions() {
    connect(menus_.BallisticsSettings, &QAction::triggered, this,
            &TfrmMain::EditBallisticsSettings);
    connect(menus_.ColorsAndFontSize, &QAction::triggered, this, &TfrmMain::EditColorsAndFontSize);
    connect(menus_.SightHeightSetting, &QAction::triggered, this, &TfrmMain::EditSightHeights);
    connect(menus_.PrintLoadReport, &QAction::triggered, this, &TfrmMain::PrintSelectedLoad);
    connect(menus_.SetUpPrinter, &QAction::triggered, this, &TfrmMain::PrintAfterPrinterSetup);
    connect(helpButton_, &QToolButton::clicked, this,
            [this] { ShowHelpTopic(HelpViewer::kContentsTopic); });
}

void TfrmMain::ShowModal(QDialog& dialog) {
    if (modalHook_) {
        modalHook_(dialog);
    } else {
        dialog.exec();
    }
}

UserPrompts* TfrmMain::DialogPrompts() {
    // Without prompts of the caller the dialogs parent their own message boxes.
    return ownPrompts_ ? nullptr : &prompts_;
}

void TfrmMain::EditBallisticsSettings() {
    TfrmDefaultBallistics dialog(settings_, DialogPrompts(), this);
    ShowModal(dialog);
    if (dialog.Cancelled()) {
        return;
    }
    dialog.ApplyTo(settings_);
    SaveSettings(SettingsGroup::DefaultConditions);
    ApplyUnitSystem();
}

void TfrmMain::EditColorsAndFontSize() {
    TfrmColorsFontSize dialog(settings_, this);
    ShowModal(dialog);
    if (dialog.Cancelled()) {
        return;
    }
    dialog.ApplyTo(settings_);
    SaveSettings(SettingsGroup::GridColors);
    grid_->ApplyGridColors(settings_);
    measure_.SetFont(grid_->GridFont());
    RefillKeepingPosition();
}

void TfrmMain::EditSightHeights() {
    TfrmSightHeight dialog(settings_, DialogPrompts(), this);
    ShowModal(dialog);
    if (dialog.Cancelled()) {
        return;
    }
    // The section's sight height is read from the settings, so the grid and the report take
    // the new value from here on.
    dialog.ApplyTo(settings_);
    SaveSettings(SettingsGroup::SightHeights);
    RefillKeepingPosition();
}

void TfrmMain::PrintSelectedLoad() {
    if (strip_->RefreshButton()->isEnabled()) {
        RefreshClicked();
    }
    WriteLoadReport(false);
}

void TfrmMain::PrintAfterPrinterSetup() {
    if (strip_->RefreshButton()->isEnabled()) {
        RefreshClicked();
    }
    WriteLoadReport(true);
}

void TfrmMain::WriteLoadReport(bool showSetup) {
    const int row = grid_->SelectedRow();
    if (!CatalogShown() || Traits(CurrentSection()).IsComponents() || row < 1) {
        return;
    }
    std::optional<LoadReport> made;
    try {
        made =
            BuildLoadReport(catalog_, grid_->Data(), row, strip_->Ballistics()->Texts(), settings_);
    } catch (const std::exception& error) {
        // An unreadable shot-size index or name list abandons the report.
        prompts_.ShowError(error.what());
        return;
    }
    if (!made) {
        return;
    }
    TfrmMainReport report(this, prompts_,
                          QString::fromStdString(catalog_.ProductInfoDir().string()),
                          settings_.ColorPrinting);
    report.SetShowSetup(showSetup);
    report.SetEnglSys(settings_.EnglSys); // the preview rulers follow the user's units
    report.SetReport(*made);
    if (reportHook_) {
        reportHook_(report, *made);
    } else {
        report.exec();
    }
}

void TfrmMain::ShowHelpTopic(int topic) {
    if (help_ == nullptr) {
        help_ = new HelpViewer(QString::fromStdString((programDir_ / "Help").string()), this);
    }
    if (!help_->ShowTopic(topic)) {
        prompts_.ShowError("Help file missing: " +
                           FromQString(QDir::toNativeSeparators(help_->TopicPath(topic))));
    }
}

bool TfrmMain::HelpKeyPressed(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return false;
    }
    const bool overGrid = widget == grid_ || grid_->isAncestorOf(widget);
    ShowHelpTopic(overGrid ? HelpViewer::kCatalogGridTopic : HelpViewer::kContentsTopic);
    return true;
}

} // namespace corvane
