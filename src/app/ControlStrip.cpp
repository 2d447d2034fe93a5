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
    ComBoxBrand0 = NewCombo(QStringLiteral("ComBoxBrand0"), page0);
    ComBoxUsage0 = NewCombo(QStringLiteral("ComBoxUsage0"), page0);
    ComBoxCaliber0 = NewCombo(QStringLiteral("ComBoxCaliber0"), page0);
    ComBoxBullet0 = NewCombo(QStringLiteral("ComBoxBullet0"), page0);
    Panel = new BallisticsPanel;
    auto* scroll = new PanelScrollBox(page0);
    scroll->SetPanel(Panel);
    scroll->setFocusPolicy(Qt::NoFocus); // its entries take the focus, not the box
    bbnBallisticDefaults = new QPushButton(QStringLiteral("Default"), page0);
    bbnBallisticDefaults->setObjectName(QStringLiteral("bbnBallisticDefaults"));
    bbnBallisticDefaults->setToolTip(QStringLiteral("Restore default ballistics settings"));
    bbnRefresh = new QPushButton(QStringLiteral("Refresh"), page0);
    bbnRefresh->setObjectName(QStringLiteral("bbnRefresh"));
    bbnRefresh->setToolTip(QStringLiteral("Refresh ballistics data"));
    QFont bold = bbnRefresh->font();
    bold.setBold(true);
    bbnRefresh->setFont(bold);
    ShowRefreshColours();
    bbnRefresh->setEnabled(false);
    const int buttonWidth = ButtonWidth({bbnBallisticDefaults, bbnRefresh});
    bbnBallisticDefaults->setFixedWidth(buttonWidth);
    bbnRefresh->setFixedWidth(buttonWidth);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    buttons->addWidget(bbnBallisticDefaults);
    buttons->addWidget(bbnRefresh);
    // Default and Refresh stay beside the panel; spare width goes to the right of them.
    auto* row0 = new QHBoxLayout(page0);
    row0->setContentsMargins(2, 4, 2, 4);
    row0->setSpacing(3);
    row0->addLayout(FilterGrid(page0, ComBoxBrand0, ComBoxUsage0, ComBoxCaliber0, ComBoxBullet0));
    row0->addWidget(scroll);
    row0->addLayout(buttons);
    row0->addStretch(1);
    addWidget(page0);

    // Page "Shotshell".
    auto* page1 = new QWidget(this);
    ComBoxBrand1 = NewCombo(QStringLiteral("ComBoxBrand1"), page1);
    ComBoxUsage1 = NewCombo(QStringLiteral("ComBoxUsage1"), page1);
    ComBoxCaliber1 = NewCombo(QStringLiteral("ComBoxCaliber1"), page1);
    ComBoxBullet1 = NewCombo(QStringLiteral("ComBoxBullet1"), page1);
    for (FilterCombo* c : {ComBoxBrand1, ComBoxUsage1, ComBoxCaliber1, ComBoxBullet1}) {
        c->setMinimumWidth(200);
    }
    ImagePelletData = new QLabel(page1);
    ImagePelletData->setFixedSize(60, 60);
    ImagePelletData->setScaledContents(true);
    ImagePelletData->setPixmap(DrawPelletsPicture(ImagePelletData->size(), devicePixelRatioF()));
    ImagePelletData->setToolTip(QStringLiteral("Show Pellet Data"));
    ImagePelletData->setCursor(Qt::PointingHandCursor);
    sbnPelletData = new QToolButton(page1);
    sbnPelletData->setObjectName(QStringLiteral("sbnPelletData"));
    sbnPelletData->setText(QStringLiteral("Pellet Data"));
    sbnPelletData->setToolTip(QStringLiteral("Show Pellet Data"));
    sbnPelletData->setAutoRaise(true);
    sbnPelletData->setEnabled(false);
    auto* row1 = new QHBoxLayout(page1);
    row1->setContentsMargins(5, 4, 5, 4);
    row1->setSpacing(8);
    row1->addLayout(FilterGrid(page1, ComBoxBrand1, ComBoxUsage1, ComBoxCaliber1, ComBoxBullet1));
    row1->addStretch(1);
    row1->addWidget(ImagePelletData);
    row1->addWidget(sbnPelletData);
    addWidget(page1);

    // Page "Components".
    auto* page2 = new QWidget(this);
    ComBoxComponent2 = NewCombo(QStringLiteral("ComBoxComponent2"), page2);
    ComBoxComponent2->setMinimumWidth(260);
    ImageComponents = new QLabel(page2);
    ImageComponents->setFixedSize(110, 62);
    ImageComponents->setScaledContents(true);
    ImageComponents->setPixmap(DrawComponentsPicture(ImageComponents->size(), devicePixelRatioF()));
    auto* row2 = new QHBoxLayout(page2);
    row2->setContentsMargins(5, 4, 5, 4);
    row2->addWidget(ComBoxComponent2, 0, Qt::AlignTop);
    row2->addStretch(1);
    row2->addWidget(ImageComponents);
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
    bbnRefresh->setPalette(own);
}

void ControlStrip::changeEvent(QEvent* event) {
    QStackedWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && bbnRefresh != nullptr) {
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
        return {ComBoxBrand1, ComBoxUsage1, ComBoxCaliber1, ComBoxBullet1};
    case ComponentsPage:
        return {ComBoxComponent2};
    case DefaultPage:
        break;
    }
    return {ComBoxBrand0, ComBoxUsage0, ComBoxCaliber0, ComBoxBullet0};
}

void ControlStrip::SetDefaultListWidths(int brandWidth, int caliberWidth) {
    ComBoxBrand0->setFixedWidth(brandWidth);
    ComBoxUsage0->setFixedWidth(brandWidth);
    ComBoxCaliber0->setFixedWidth(caliberWidth - kPanelRoom);
    ComBoxBullet0->setFixedWidth(caliberWidth - kPanelRoom);
}

} // namespace corvane
