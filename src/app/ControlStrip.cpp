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
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane {
namespace {

FilterCombo* NewCombo(const QString& name, const QString& hint, QWidget* parent) {
    auto* combo = new FilterCombo(parent);
    combo->setObjectName(name);
    combo->setToolTip(hint);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    return combo;
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
    ComBoxBrand0 = NewCombo(QStringLiteral("ComBoxBrand0"), QStringLiteral("Pick a Brand"), page0);
    ComBoxUsage0 = NewCombo(QStringLiteral("ComBoxUsage0"), QStringLiteral("Pick a Usage"), page0);
    ComBoxCaliber0 =
        NewCombo(QStringLiteral("ComBoxCaliber0"), QStringLiteral("Pick a Caliber"), page0);
    ComBoxBullet0 =
        NewCombo(QStringLiteral("ComBoxBullet0"), QStringLiteral("Pick a Bullet Style"), page0);
    Panel = new BallisticsPanel;
    auto* scroll = new QScrollArea(page0);
    scroll->setObjectName(QStringLiteral("ScrollBoxGridControls"));
    scroll->setWidget(Panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(120);
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
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    buttons->addWidget(bbnBallisticDefaults);
    buttons->addWidget(bbnRefresh);
    auto* row0 = new QHBoxLayout(page0);
    row0->setContentsMargins(5, 4, 5, 4);
    row0->setSpacing(8);
    row0->addLayout(FilterGrid(page0, ComBoxBrand0, ComBoxUsage0, ComBoxCaliber0, ComBoxBullet0));
    row0->addWidget(scroll, 1);
    row0->addLayout(buttons);
    addWidget(page0);

    // Page "Shotshell".
    auto* page1 = new QWidget(this);
    ComBoxBrand1 = NewCombo(QStringLiteral("ComBoxBrand1"), QStringLiteral("Pick a Brand"), page1);
    ComBoxUsage1 = NewCombo(QStringLiteral("ComBoxUsage1"), QStringLiteral("Pick a Usage"), page1);
    ComBoxCaliber1 =
        NewCombo(QStringLiteral("ComBoxCaliber1"), QStringLiteral("Pick a Gauge"), page1);
    ComBoxBullet1 =
        NewCombo(QStringLiteral("ComBoxBullet1"), QStringLiteral("Pick a Pellet Size"), page1);
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
    ComBoxComponent2 =
        NewCombo(QStringLiteral("ComBoxComponent2"), QStringLiteral("Pick a Caliber"), page2);
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

void ControlStrip::SetDefaultListWidths(int brandWidth, int caliberWidth) {
    ComBoxBrand0->setFixedWidth(brandWidth);
    ComBoxUsage0->setFixedWidth(brandWidth);
    ComBoxCaliber0->setFixedWidth(caliberWidth);
    ComBoxBullet0->setFixedWidth(caliberWidth);
}

} // namespace corvane
