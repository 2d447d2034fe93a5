#pragma once
// The two pop-up menus of the tool buttons. What their items do are the main window's menu
// handlers (MainMenus.cpp).
#include <QObject>

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace corvane {

// Order of the "Headings selection" items; each maps to one column switch of the settings.
enum class HeadingItem {
    BarrelLength,
    Dram,
    Energy,
    Note,
    PrimerNumber,
    Trajectory,
    Velocity,
    WindDrift
};
inline constexpr int kHeadingItemCount = 8;

struct MainMenus {
    QMenu* ToolsMenu = nullptr;
    QAction* BallisticsSettings = nullptr;
    QAction* ColorsAndFontSize = nullptr;
    QAction* EnglishSystem = nullptr;
    QAction* MetricSystem = nullptr;
    QMenu* HeadingsSelection = nullptr;
    std::array<QAction*, kHeadingItemCount> Headings{};
    QAction* MyLoads = nullptr;
    QAction* RememberScreenPosition = nullptr;
    QAction* SightHeightSetting = nullptr;
    QAction* ShowPopupHints = nullptr;
    QAction* TableToFile = nullptr;
    QAction* TrajectoryChart = nullptr;
    QAction* RangeCard = nullptr;

    QMenu* PrintMenu = nullptr;
    QAction* PrintLoadReport = nullptr;
    QAction* ColorPrinting = nullptr;
    QAction* SetUpPrinter = nullptr;
};

MainMenus BuildMainMenus(QWidget* owner);

} // namespace corvane
