#include "app/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace corvane {
namespace {

QAction* Item(QMenu* menu, const QString& text, bool checkable = false, bool enabled = true) {
    QAction* action = menu->addAction(text);
    action->setCheckable(checkable);
    action->setEnabled(enabled);
    return action;
}

} // namespace

MainMenus BuildMainMenus(QWidget* owner) {
    MainMenus m;
    m.PopupMenuTools = new QMenu(owner);
    m.PopupMenuTools->setObjectName(QStringLiteral("PopupMenuTools"));
    // Their dialogs come with the settings windows.
    m.BallisticsSettings =
        Item(m.PopupMenuTools, QStringLiteral("&Ballistics settings..."), false, false);
    m.ColorsAndFontSize =
        Item(m.PopupMenuTools, QStringLiteral("&Colors and font size..."), false, false);
    QMenu* units = m.PopupMenuTools->addMenu(QStringLiteral("&English/Metric system"));
    m.EnglishSystem = Item(units, QStringLiteral("English system"), true);
    m.MetricSystem = Item(units, QStringLiteral("Metric system"), true);
    auto* unitGroup = new QActionGroup(units);
    unitGroup->addAction(m.EnglishSystem);
    unitGroup->addAction(m.MetricSystem);
    m.HeadingsSelection = m.PopupMenuTools->addMenu(QStringLiteral("&Headings selection"));
    const QString headingTexts[kHeadingItemCount] = {
        QStringLiteral("&Barrel length"), QStringLiteral("&Dram equivalent"),
        QStringLiteral("&Energy"),        QStringLiteral("&Note"),
        QStringLiteral("&Primer number"), QStringLiteral("&Trajectory"),
        QStringLiteral("&Velocity"),      QStringLiteral("&Wind drift")};
    for (int i = 0; i < kHeadingItemCount; ++i) {
        m.Headings[static_cast<std::size_t>(i)] = Item(m.HeadingsSelection, headingTexts[i], true);
    }
    m.RememberScreenPosition =
        Item(m.PopupMenuTools, QStringLiteral("&Remember screen position"), true);
    m.SightHeightSetting =
        Item(m.PopupMenuTools, QStringLiteral("&Sight height setting..."), false, false);
    m.ShowPopupHints = Item(m.PopupMenuTools, QStringLiteral("Show &popup hints"), true);
    m.TableToFile = Item(m.PopupMenuTools, QStringLiteral("&Table to file..."));

    m.PopupMenuPrint = new QMenu(owner);
    m.PopupMenuPrint->setObjectName(QStringLiteral("PopupMenuPrint"));
    // The load report and the printer set-up come with the report window.
    m.PrintLoadReport = Item(m.PopupMenuPrint, QStringLiteral("&Print load report"), false, false);
    m.ColorPrinting = Item(m.PopupMenuPrint, QStringLiteral("&Color printing"), true);
    m.SetUpPrinter = Item(m.PopupMenuPrint, QStringLiteral("&Set up printer"), false, false);
    return m;
}

} // namespace corvane
