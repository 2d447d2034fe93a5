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
    FilterCombo* BrandList() const { return brandList_; }
    FilterCombo* UsageList() const { return usageList_; }
    FilterCombo* CaliberList() const { return caliberList_; }
    FilterCombo* StyleList() const { return styleList_; }
    BallisticsPanel* Ballistics() const { return ballistics_; }
    QPushButton* DefaultsButton() const { return defaultsButton_; }
    QPushButton* RefreshButton() const { return refreshButton_; }
    // Page "Shotshell".
    FilterCombo* ShotshellBrandList() const { return shotshellBrandList_; }
    FilterCombo* ShotshellUsageList() const { return shotshellUsageList_; }
    FilterCombo* GaugeList() const { return gaugeList_; }
    FilterCombo* PelletSizeList() const { return pelletSizeList_; }
    QLabel* PelletPicture() const { return pelletPicture_; }
    QToolButton* PelletButton() const { return pelletButton_; }
    // Page "Components".
    FilterCombo* ComponentList() const { return componentList_; }
    QLabel* ComponentsPicture() const { return componentsPicture_; }

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

    FilterCombo* brandList_ = nullptr;
    FilterCombo* usageList_ = nullptr;
    FilterCombo* caliberList_ = nullptr;
    FilterCombo* styleList_ = nullptr;
    BallisticsPanel* ballistics_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QPushButton* refreshButton_ = nullptr;
    FilterCombo* shotshellBrandList_ = nullptr;
    FilterCombo* shotshellUsageList_ = nullptr;
    FilterCombo* gaugeList_ = nullptr;
    FilterCombo* pelletSizeList_ = nullptr;
    QLabel* pelletPicture_ = nullptr;
    QToolButton* pelletButton_ = nullptr;
    FilterCombo* componentList_ = nullptr;
    QLabel* componentsPicture_ = nullptr;
};

} // namespace corvane
