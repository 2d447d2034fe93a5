#include "app/ControlStrip.h"

#include "app/BallisticsPanel.h"
#include "app/FilterCombo.h"
#include "app/StripPictures.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace corvane {
namespace {

FilterCombo* NewCombo(const QString& name, QWidget* parent) {
    auto* combo = new FilterCombo(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    return combo;
}

// The ballistics panel's scroll box: as wide as the panel wants, narrower (and scrolling) only
// when the window leaves less room beside the filter lists.
class PanelScrollBox : public QScrollArea {
public:
    explicit PanelScrollBox(QWidget* parent) : QScrollArea(parent) {
        setObjectName(QStringLiteral("ScrollBoxGridControls"));
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    }

    void SetPanel(QWidget* panel) {
        setWidget(panel);
        panel->installEventFilter(this);
    }

    QSize sizeHint() const override {
        return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override { return {0, QScrollArea::minimumSizeHint().height()}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // New units labels change the panel's width; the strip lays out again.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }
};

// As wide as the widest caption of `buttons` in their fonts plus the style's margins, without
// the style's minimum width for buttons with text.
int ButtonWidth(std::initializer_list<const QPushButton*> buttons) {
    int width = 0;
    for (const QPushButton* button : buttons) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QSize text(button->fontMetrics().horizontalAdvance(button->text()),
                         button->fontMetrics().height());
        width = std::max(width, button->style()
                                    ->sizeFromContents(QStyle::CT_PushButton, &option, text, button)
                                    .width());
    }
    return width;
}

QGridLayout* FilterGrid(QWidget* page, FilterCombo* brand, FilterCombo* usage, FilterCombo* caliber,
                        FilterCombo* bullet) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    grid->addWidget(brand, 0, 0);
    grid->addWidget(usage, 1, 0);
    grid->addWidget(caliber, 0, 1);
    grid->addWidget(bullet, 1, 1);
    Q_UNUSED(page);
    return grid;
}

} // namespace

ControlStrip::ControlStrip(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("NotebookGridControls"));
    setFixedHeight(kHeight);

    // Page "Default".
    auto* page0 = new QWidget(this);
    brandList_ = NewCombo(QStringLiteral("ComBoxBrand0"), page0);
    usageList_ = NewCombo(QStringLiteral("ComBoxUsage0"), page0);
    caliberList_ = NewCombo(QStringLiteral("ComBoxCaliber0"), page0);
    styleList_ = NewCombo(QStringLiteral("ComBoxBullet0"), page0);
    ballistics_ = new BallisticsPanel;
    auto* scroll = new PanelScrollBox(page0);
    scroll->SetPanel(ballistics_);
    scroll->setFocusPolicy(Qt::NoFocus); // its entries take the focus, not the box
    defaultsButton_ = new QPushButton(QStringLiteral("Default"), page0);
    defaultsButton_->setObjectName(QStringLiteral("bbnBallisticDefaults"));
    defaultsButton_->setToolTip(QStringLiteral("Restore default ballistics settings"));
    refreshButton_ = new QPushButton(QStringLiteral("Refresh"), page0);
    refreshButton_->setObjectName(QStringLiteral("bbnRefresh"));
    refreshButton_->setToolTip(QStringLiteral("Refresh ballistics data"));
    QFont bold = refreshButton_->font();
    bold.setBold(true);
    refreshButton_->setFont(bold);
    ShowRefreshColours();
    refreshButton_->setEnabled(false);
    const int buttonWidth = ButtonWidth({defaultsButton_, refreshButton_});
    defaultsButton_->setFixedWidth(buttonWidth);
    refreshButton_->setFixedWidth(buttonWidth);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    buttons->addWidget(defaultsButton_);
    buttons->addWidget(refreshButton_);
    // Default and Refresh stay beside the panel; spare width goes to the right of them.
    auto* row0 = new QHBoxLayout(page0);
    row0->setContentsMargins(2, 4, 2, 4);
    row0->setSpacing(3);
    row0->addLayout(FilterGrid(page0, brandList_, usageList_, caliberList_, styleList_));
    row0->addWidget(scroll);
    row0->addLayout(buttons);
    row0->addStretch(1);
    addWidget(page0);

    // Page "Shotshell".
    auto* page1 = new QWidget(this);
    shotshellBrandList_ = NewCombo(QStringLiteral("ComBoxBrand1"), page1);
    shotshellUsageList_ = NewCombo(QStringLiteral("ComBoxUsage1"), page1);
    gaugeList_ = NewCombo(QStringLiteral("ComBoxCaliber1"), page1);
    pelletSizeList_ = NewCombo(QStringLiteral("ComBoxBullet1"), page1);
    for (FilterCombo* c : {shotshellBrandList_, shotshellUsageList_, gaugeList_, pelletSizeList_}) {
        c->setMinimumWidth(200);
    }
    pelletPicture_ = new QLabel(page1);
    pelletPicture_->setFixedSize(60, 60);
    pelletPicture_->setScaledContents(true);
    pelletPicture_->setPixmap(DrawPelletsPicture(pelletPicture_->size(), devicePixelRatioF()));
    pelletPicture_->setToolTip(QStringLiteral("Show Pellet Data"));
    pelletPicture_->setCursor(Qt::PointingHandCursor);
    pelletButton_ = new QToolButton(page1);
    pelletButton_->setObjectName(QStringLiteral("sbnPelletData"));
    pelletButton_->setText(QStringLiteral("Pellet Data"));
    pelletButton_->setToolTip(QStringLiteral("Show Pellet Data"));
    pelletButton_->setAutoRaise(true);
    pelletButton_->setEnabled(false);
    auto* row1 = new QHBoxLayout(page1);
    row1->setContentsMargins(5, 4, 5, 4);
    row1->setSpacing(8);
    row1->addLayout(
        FilterGrid(page1, shotshellBrandList_, shotshellUsageList_, gaugeList_, pelletSizeList_));
    row1->addStretch(1);
    row1->addWidget(pelletPicture_);
    row1->addWidget(pelletButton_);
    addWidget(page1);

    // Page "Components".
    auto* page2 = new QWidget(this);
    componentList_ = NewCombo(QStringLiteral("ComBoxComponent2"), page2);
    componentList_->setMinimumWidth(260);
    componentsPicture_ = new QLabel(page2);
    componentsPicture_->setFixedSize(110, 62);
    componentsPicture_->setScaledContents(true);
    componentsPicture_->setPixmap(
        DrawComponentsPicture(componentsPicture_->size(), devicePixelRatioF()));
    auto* row2 = new QHBoxLayout(page2);
    row2->setContentsMargins(5, 4, 5, 4);
    row2->addWidget(componentList_, 0, Qt::AlignTop);
    row2->addStretch(1);
    row2->addWidget(componentsPicture_);
    addWidget(page2);
}

void ControlStrip::ShowRefreshColours() {
    // Lit, Refresh reads in red, light enough to stand out on a dark palette; unlit it keeps the
    // palette's own greyed text, so the two states never look alike.
    const bool dark = palette().color(QPalette::Button).lightness() < 128;
    const QColor lit = dark ? QColor(255, 110, 110) : QColor(200, 0, 0);
    QPalette own;
    own.setColor(QPalette::Active, QPalette::ButtonText, lit);
    own.setColor(QPalette::Inactive, QPalette::ButtonText, lit);
    refreshButton_->setPalette(own);
}

void ControlStrip::changeEvent(QEvent* event) {
    QStackedWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && refreshButton_ != nullptr) {
        ShowRefreshColours();
    }
}

ControlStrip::Page ControlStrip::PageOf(CatalogTab tab) {
    switch (tab) {
    case CatalogTab::Shotshell:
        return ShotshellPage;
    case CatalogTab::Components:
        return ComponentsPage;
    default:
        return DefaultPage;
    }
}

std::vector<FilterCombo*> ControlStrip::FilterCombos(Page page) const {
    switch (page) {
    case ShotshellPage:
        return {shotshellBrandList_, shotshellUsageList_, gaugeList_, pelletSizeList_};
    case ComponentsPage:
        return {componentList_};
    case DefaultPage:
        break;
    }
    return {brandList_, usageList_, caliberList_, styleList_};
}

void ControlStrip::SetDefaultListWidths(int brandWidth, int caliberWidth) {
    brandList_->setFixedWidth(brandWidth);
    usageList_->setFixedWidth(brandWidth);
    caliberList_->setFixedWidth(caliberWidth - kPanelRoom);
    styleList_->setFixedWidth(caliberWidth - kPanelRoom);
}

} // namespace corvane
