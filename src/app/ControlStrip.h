#pragma once
// The strip above the grid: page "Default" (sections 0-3) with four filter lists, the
// ballistics panel and the Default and Refresh buttons; page "Shotshell" with four filter lists
// and the pellet data button; page "Components" with the component type list.
#include "catalog/LoadRecord.h"

#include <QStackedWidget>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace corvane {

class BallisticsPanel;
class FilterCombo;

class ControlStrip : public QStackedWidget {
    Q_OBJECT
public:
    enum Page { DefaultPage = 0, ShotshellPage = 1, ComponentsPage = 2 };
    static constexpr std::array<Page, 3> kPages{DefaultPage, ShotshellPage, ComponentsPage};
    // The page showing a section's filter lists.
    static Page PageOf(CatalogTab tab);
    static constexpr int kHeight = 74;

    explicit ControlStrip(QWidget* parent = nullptr);

    // Page "Default".
    FilterCombo* ComBoxBrand0 = nullptr;
    FilterCombo* ComBoxUsage0 = nullptr;
    FilterCombo* ComBoxCaliber0 = nullptr;
    FilterCombo* ComBoxBullet0 = nullptr;
    BallisticsPanel* Panel = nullptr;
    QPushButton* bbnBallisticDefaults = nullptr;
    QPushButton* bbnRefresh = nullptr;
    // Page "Shotshell".
    FilterCombo* ComBoxBrand1 = nullptr;
    FilterCombo* ComBoxUsage1 = nullptr;
    FilterCombo* ComBoxCaliber1 = nullptr;
    FilterCombo* ComBoxBullet1 = nullptr;
    QLabel* ImagePelletData = nullptr;
    QToolButton* sbnPelletData = nullptr;
    // Page "Components".
    FilterCombo* ComBoxComponent2 = nullptr;
    QLabel* ImageComponents = nullptr;

    // A page's filter lists in FilterListKind order; their hints follow the lists they show.
    std::vector<FilterCombo*> FilterCombos(Page page) const;

    // The design's widths of the brand/usage lists and of the caliber/style lists on page
    // "Default". The caliber and style lists give up kPanelRoom of theirs (their longest texts
    // still fit) so that the whole ballistics panel shows beside them in an 800-pixel window.
    void SetDefaultListWidths(int brandWidth, int caliberWidth);
    static constexpr int kPanelRoom = 36;

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowRefreshColours();
};

} // namespace corvane
