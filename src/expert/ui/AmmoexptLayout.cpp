// The notebook pages of the Zora Raduzu window: every page has a teal heading bar, the earlier
// choices repeated where useful, its list and a bottom panel with the buttons.
#include "expert/ui/Ammoexpt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {

QLabel* HeadingBar(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    label->setStyleSheet(
        QStringLiteral("background-color: #008080; color: white; font-weight: bold; "
                       "padding: 4px;"));
    return label;
}

QLabel* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QComboBox* NewChoiceList(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    return combo;
}

QTableWidget* Grid(const QString& name, QWidget* parent) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    // Rows as high as a line of text in the grid's font, as the catalog grid's rows are.
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->setWordWrap(false);
    return grid;
}

// Page skeleton: heading bar, a content layout for the caller, and the bottom button panel.
struct PageParts {
    QWidget* page;
    QLabel* heading;
    QVBoxLayout* content;
    QWidget* buttons;
};

PageParts NewPage(const QString& heading, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    QLabel* bar = HeadingBar(heading, page);
    layout->addWidget(bar);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(6, 2, 6, 2);
    layout->addLayout(content, 1);
    auto* buttons = new QWidget(page);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(6, 4, 6, 6);
    row->addStretch(1);
    layout->addWidget(buttons);
    return {page, bar, content, buttons};
}

// The earlier choices under their bold titles, each centred in red, then the page's list.
QComboBox* AddRepeatedChoices(const PageParts& parts, int index, const char* const* titles,
                              int lines, std::array<QLabel*, 3>& values, QComboBox*& slot) {
    for (int line = 0; line < lines; ++line) {
        parts.content->addWidget(BoldLabel(QString::fromLatin1(titles[line]), parts.page));
        QLabel* value = BoldLabel(QString(), parts.page);
        value->setAlignment(Qt::AlignCenter);
        value->setWordWrap(true);
        value->setStyleSheet(QStringLiteral("color: red;"));
        values[static_cast<std::size_t>(line)] = value;
        parts.content->addWidget(value);
    }
    parts.content->addStretch(1);
    auto* combo = NewChoiceList(QStringLiteral("ComboBox%1").arg(index), parts.page);
    slot = combo;
    parts.content->addWidget(combo);
    parts.content->addStretch(1);
    return combo;
}

} // namespace

QPushButton* TFormAmmoExpt::AddButton(QWidget* panel, const QString& name, const QString& caption,
                                      const QString& hint, void (TFormAmmoExpt::*handler)()) {
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(name);
    button->setToolTip(hint);
    const bool forward = caption != QStringLiteral("&Back") && caption != QStringLiteral("&Close");
    button->setIcon(style()->standardIcon(forward ? QStyle::SP_ArrowForward
                                          : caption == QStringLiteral("&Back")
                                              ? QStyle::SP_ArrowBack
                                              : QStyle::SP_DialogCloseButton));
    panel->layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

void TFormAmmoExpt::BuildPages() {
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("NotebookAE"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    pages_->addWidget(BuildFirearmPage());
    pages_->addWidget(BuildChoicePage(kPurpose, QStringLiteral("Select Purpose"), 1));
    pages_->addWidget(BuildChoicePage(kUsage, QStringLiteral("Select Usage"), 2));
    pages_->addWidget(BuildChoicePage(kCaliber, QStringLiteral("Select Caliber"), 3));
    pages_->addWidget(BuildLoadsPage());
    pages_->addWidget(BuildGuideChoicePage(kGuideGauge, QStringLiteral("Select Gauge")));
    pages_->addWidget(BuildGuideChoicePage(kGuideDistance, QStringLiteral("Select Distance")));
    pages_->addWidget(BuildGuideResultPage());
}

QWidget* TFormAmmoExpt::BuildFirearmPage() {
    PageParts parts = NewPage(QStringLiteral("Select Firearm"), this);
    auto* intro = new QWidget(parts.page);
    intro->setAutoFillBackground(true);
    intro->setStyleSheet(QStringLiteral("background-color: white;"));
    auto* row = new QHBoxLayout(intro);
    auto* picture = new QLabel(intro);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture);
    auto* text = new QLabel(QStringLiteral("The Zora Raduzu is an \ninvaluable tool that auto- \n"
                                           "matically recommends a \nCorvane Load based on \n"
                                           "your specifications for \nfirearm, target, purpose, \n"
                                           "caliber and other relevant \ncriteria."),
                            intro);
    text->setObjectName(QStringLiteral("lblIntro0"));
    text->setStyleSheet(QStringLiteral("color: blue;"));
    row->addWidget(text, 1);
    parts.content->addWidget(intro);
    parts.content->addStretch(1);

    choiceLists_[0] = NewChoiceList(QStringLiteral("ComboBox0"), parts.page);
    parts.content->addWidget(choiceLists_[0]);
    parts.content->addStretch(1);

    AddButton(parts.buttons, QStringLiteral("bbnClose0"), QStringLiteral("&Close"),
              QStringLiteral("Close Zora Raduzu"), &TFormAmmoExpt::CloseWizard);
    AddButton(parts.buttons, QStringLiteral("bbnNext0"), QStringLiteral("&Next"),
              QStringLiteral("Continue"), &TFormAmmoExpt::ShowPurposes);
    return parts.page;
}

// Pages 1-3: the first `repeated` earlier choices, then the page's list.
QWidget* TFormAmmoExpt::BuildChoicePage(int index, const QString& heading, int repeated) {
    PageParts parts = NewPage(heading, this);
    static const char* const kTitles[] = {"  Firearm:", "  Purpose:", "  Usage:"};
    QComboBox* combo = AddRepeatedChoices(parts, index, kTitles, repeated,
                                          repeated_[static_cast<std::size_t>(index)],
                                          choiceLists_[static_cast<std::size_t>(index)]);

    using Handler = void (TFormAmmoExpt::*)();
    static const Handler kNext[] = {nullptr, &TFormAmmoExpt::ShowUsages,
                                    &TFormAmmoExpt::ShowCalibers,
                                    &TFormAmmoExpt::FinishCaliberPage};
    AddButton(parts.buttons, QStringLiteral("bbnBack%1").arg(index), QStringLiteral("&Back"),
              QStringLiteral("See prior selection"), &TFormAmmoExpt::GoBack);
    QPushButton* next = AddButton(
        parts.buttons,
        index == kCaliber ? QStringLiteral("bbnFinish3") : QStringLiteral("bbnNext%1").arg(index),
        QStringLiteral("&Next"), QStringLiteral("Continue"), kNext[index]);
    if (index == kCaliber) {
        caliberHeading_ = parts.heading;
        caliberHeading_->setObjectName(QStringLiteral("LabelSelCal3"));
        // The style's own drop-down lists every entry up to the screen's height; the plain list
        // shows the design's 10 rows and scrolls.
        combo->setMaxVisibleItems(10);
        combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        caliberFinish_ = next;
    }
    return parts.page;
}

QWidget* TFormAmmoExpt::BuildLoadsPage() {
    PageParts parts = NewPage(QStringLiteral("Recommend Loads"), this);
    auto* hint = new QLabel(QStringLiteral("Double click load to view it in catalog"), parts.page);
    hint->setAlignment(Qt::AlignCenter);
    parts.content->addWidget(hint);
    resultGrid_ = Grid(QStringLiteral("StringGrid4"), parts.page);
    resultGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultGrid_->horizontalHeader()->setFont(resultGrid_->font());
    resultGrid_->horizontalHeader()->setHighlightSections(false);
    parts.content->addWidget(resultGrid_, 1);
    connect(resultGrid_, &QTableWidget::doubleClicked, this,
            [this](const QModelIndex&) { ShowChosenLoad(); });

    AddButton(parts.buttons, QStringLiteral("bbnBack4"), QStringLiteral("&Back"),
              QStringLiteral("See prior selection"), &TFormAmmoExpt::GoBack);
    AddButton(parts.buttons, QStringLiteral("bbnNew4"), QStringLiteral("&New"),
              QStringLiteral("Start new search"), &TFormAmmoExpt::StartNewSearch);
    return parts.page;
}

// Pages 5 and 6 of the shotgun guide: firearm, game (and gauge), then the page's list.
QWidget* TFormAmmoExpt::BuildGuideChoicePage(int index, const QString& heading) {
    PageParts parts = NewPage(heading, this);
    static const char* const kTitles[] = {"  Firearm:", "  Hunting:", "  Gauge:"};
    AddRepeatedChoices(parts, index, kTitles, index == kGuideGauge ? 2 : 3,
                       repeated_[static_cast<std::size_t>(index)],
                       choiceLists_[static_cast<std::size_t>(index)]);

    if (index == kGuideGauge) {
        AddButton(parts.buttons, QStringLiteral("bbnBack5"), QStringLiteral("&Back"),
                  QStringLiteral("See prior selection"), &TFormAmmoExpt::GoBack);
        AddButton(parts.buttons, QStringLiteral("bbnNext5"), QStringLiteral("&Next"),
                  QStringLiteral("Continue"), &TFormAmmoExpt::ShowGuideDistances);
    } else {
        AddButton(parts.buttons, QStringLiteral("bbnBack6"), QStringLiteral("&Back"),
                  QStringLiteral("See prior selection"), &TFormAmmoExpt::GoBack);
        AddButton(parts.buttons, QStringLiteral("bbnFinish6"), QStringLiteral("&Finish"),
                  QStringLiteral("See results"), &TFormAmmoExpt::ShowGuideResult);
    }
    return parts.page;
}

QWidget* TFormAmmoExpt::BuildGuideResultPage() {
    PageParts parts = NewPage(QString(), this);
    guideGameLine_ = parts.heading;
    guideGameLine_->setObjectName(QStringLiteral("lblGameLine7"));
    guideHeading_ = new QLabel(parts.page);
    guideHeading_->setObjectName(QStringLiteral("lblHeading7"));
    guideHeading_->setWordWrap(true);
    parts.content->addWidget(guideHeading_);
    parts.content->addWidget(BoldLabel(QStringLiteral("Recommend Shot Sizes"), parts.page));
    guideGrid_ = Grid(QStringLiteral("StringGrid7"), parts.page);
    guideGrid_->horizontalHeader()->hide();
    // The texts column fills the grid, whatever width the page had when the result was built.
    guideGrid_->horizontalHeader()->setStretchLastSection(true);
    guideGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    guideGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    guideGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    parts.content->addWidget(guideGrid_);
    parts.content->addWidget(BoldLabel(QStringLiteral("Recommended Choke"), parts.page));
    chokeLines_[0] = new QLabel(parts.page);
    chokeLines_[0]->setObjectName(QStringLiteral("lblChoke1"));
    chokeLines_[1] = new QLabel(parts.page);
    chokeLines_[1]->setObjectName(QStringLiteral("lblChoke2"));
    parts.content->addWidget(chokeLines_[0]);
    parts.content->addWidget(chokeLines_[1]);
    parts.content->addStretch(1);

    AddButton(parts.buttons, QStringLiteral("bbnBack7"), QStringLiteral("&Back"),
              QStringLiteral("See prior selection"), &TFormAmmoExpt::GoBack);
    AddButton(parts.buttons, QStringLiteral("bbnNew7"), QStringLiteral("&New"),
              QStringLiteral("Start new search"), &TFormAmmoExpt::StartNewSearch);
    return parts.page;
}

} // namespace corvane
