#include "expert/ui/Ammoexpt.h"

#include "catalog/Catalog.h"
#include "common/ui/QtScreenPlacement.h"
#include "common/ui/QtText.h"
#include "common/ui/QtTextMeasure.h"
#include "expert/ExpertChoices.h"
#include "expert/ExpertResultTable.h"
#include "expert/ShotgunGuide.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

#include <algorithm>

namespace corvane {

namespace {

constexpr int kClientHeight = 340;
constexpr int kQtCellMarginExtra = 4;

void Fill(QComboBox* combo, const std::vector<std::string>& texts) {
    combo->clear();
    for (const std::string& text : texts) {
        combo->addItem(ToQString(text));
    }
    if (combo->count() > 0) {
        combo->setCurrentIndex(0);
    }
}

std::string Chosen(const QComboBox* combo) {
    return FromQString(combo->currentText());
}

void SetCell(QTableWidget* grid, int row, int column, const std::string& text) {
    grid->setItem(row, column, new QTableWidgetItem(ToQString(text)));
}

} // namespace

TFormAmmoExpt::TFormAmmoExpt(Catalog& catalog, const AppSettings& settings, ExpertHost& host,
                             QWidget* parent)
    // A tool window of the main window: the window manager keeps it above its owner.
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      catalog_(catalog), settings_(settings), host_(host) {
    setObjectName(QStringLiteral("FormAmmoExpt"));
    BuildPages();
    for (const std::string& firearm : FirearmTexts()) {
        choiceLists_[kFirearm]->addItem(ToQString(firearm));
    }
    resize(kExpertBaseClientWidth, kClientHeight);
    Reset();
}

void TFormAmmoExpt::ShowAndReset() {
    // A wizard already on the screen (perhaps minimised) comes back as the user left it.
    const bool start = !isVisible();
    if (start) {
        Reset();
        PlaceWindow(*this, parentWidget(), Placement::BesideOwner);
    }
    showNormal();
    raise();
    activateWindow();
}

void TFormAmmoExpt::Reset() {
    setWindowTitle(QStringLiteral("Corvane Zora Raduzu"));
    SetClientWidth(kExpertBaseClientWidth);
    pages_->setCurrentIndex(kFirearm);
    choiceLists_[kFirearm]->setCurrentIndex(kDefaultFirearmItem);
}

int TFormAmmoExpt::CurrentPage() const {
    return pages_->currentIndex();
}

void TFormAmmoExpt::SetClientWidth(int clientWidth) {
    // Never narrower than the pages' texts need in the font in use.
    resize(std::max(clientWidth, minimumSizeHint().width()), height());
    if (isVisible()) {
        // Wider results must not push the window off the screen.
        PlaceWindow(*this, parentWidget(), Placement::Kept);
    }
}

void TFormAmmoExpt::ShowCatalogError(const std::exception& error) {
    catalog_.Prompts().ShowError(error.what());
}

void TFormAmmoExpt::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    host_.ExpertWindowClosed();
}

void TFormAmmoExpt::CloseWizard() {
    close();
}

void TFormAmmoExpt::ShowPurposes() {
    pages_->setCurrentIndex(kPurpose);
    repeated_[kPurpose][0]->setText(choiceLists_[kFirearm]->currentText());
    firearmKind_ = FirearmKindOfItem(choiceLists_[kFirearm]->currentIndex());
    QComboBox* purposes = choiceLists_[kPurpose];
    Fill(purposes, PurposesFor(firearmKind_));
    purposes->setCurrentIndex(purposes->findText(QString::fromLatin1(kHuntingPurpose)));
}

void TFormAmmoExpt::ShowUsages() {
    pages_->setCurrentIndex(kUsage);
    repeated_[kUsage][0]->setText(choiceLists_[kFirearm]->currentText());
    repeated_[kUsage][1]->setText(choiceLists_[kPurpose]->currentText());
    Fill(choiceLists_[kUsage], UsagesFor(Chosen(choiceLists_[kPurpose]), firearmKind_));
}

void TFormAmmoExpt::ShowCalibers() {
    pages_->setCurrentIndex(kCaliber);
    for (std::size_t line = 0; line < 3; ++line) {
        repeated_[kCaliber][line]->setText(choiceLists_[line]->currentText());
    }
    QComboBox* list = choiceLists_[kCaliber];
    list->clear();
    usageCode_ = UsageCodeOf(Chosen(choiceLists_[kUsage]));
    choices_ = {};

    if (usageCode_ == kGuideUsageCode) {
        caliberHeading_->setText(QStringLiteral("Select Game"));
        caliberFinish_->setText(QStringLiteral("&Next"));
        caliberFinish_->setToolTip(QStringLiteral("Continue"));
        Fill(list, GuideGames());
        return;
    }
    caliberHeading_->setText(IsShotgunKind(firearmKind_) ? QStringLiteral("Select Gauge")
                                                         : QStringLiteral("Select Caliber"));
    caliberFinish_->setText(QStringLiteral("&Finish"));
    caliberFinish_->setToolTip(QStringLiteral("See results"));
    try {
        choices_ = BuildCaliberChoices(catalog_, firearmKind_, usageCode_);
    } catch (const CatalogFileError& error) {
        ShowCatalogError(error);
    }
    for (const NamedId& entry : choices_.entries) {
        list->addItem(ToQString(entry.name), entry.id);
    }
    if (list->count() > 0) {
        list->setCurrentIndex(0);
    }
}

void TFormAmmoExpt::FinishCaliberPage() {
    if (usageCode_ == kGuideUsageCode) {
        repeated_[kGuideGauge][0]->setText(choiceLists_[kFirearm]->currentText());
        repeated_[kGuideGauge][1]->setText(choiceLists_[kCaliber]->currentText());
        pages_->setCurrentIndex(kGuideGauge);
        Fill(choiceLists_[kGuideGauge], GuideGauges(Chosen(choiceLists_[kCaliber])));
        return;
    }
    pages_->setCurrentIndex(kLoads);
    const int chosenIndex = choiceLists_[kCaliber]->currentIndex();
    ExpertResultTable table;
    try {
        table = FinishExpertSearch(catalog_, firearmKind_, usageCode_, choices_, chosenIndex,
                                   settings_.EnglSys);
    } catch (const CatalogFileError& error) {
        ShowCatalogError(error);
    }
    ShowResults(table);
}

void TFormAmmoExpt::ShowResults(const ExpertResultTable& table) {
    results_ = table;
    QTableWidget* grid = resultGrid_;
    grid->clearContents();
    if (table.Empty()) {
        // An empty row under whatever headings the last search left.
        grid->setColumnCount(2);
        grid->setRowCount(1);
        SetCell(grid, 0, 0, {});
        SetCell(grid, 0, 1, {});
        return;
    }
    const ExpertRow& headings = table.rows.front();
    grid->setColumnCount(static_cast<int>(headings.size()));
    grid->setRowCount(static_cast<int>(table.rows.size()) - 1);
    QStringList labels;
    for (const std::string& heading : headings) {
        labels << ToQString(heading);
    }
    grid->setHorizontalHeaderLabels(labels);
    for (std::size_t row = 1; row < table.rows.size(); ++row) {
        for (std::size_t column = 0; column < headings.size(); ++column) {
            SetCell(grid, static_cast<int>(row) - 1, static_cast<int>(column),
                    table.rows[row][column]);
        }
    }
    std::vector<int> widths = ExpertColumnWidths(table, QtTextMeasure(grid->font()));
    for (std::size_t column = 0; column < widths.size(); ++column) {
        // Qt's cells keep a wider text margin than the 7 pixels allow for; without these few
        // pixels the widest text of a column would be elided.
        widths[column] += kQtCellMarginExtra;
        grid->setColumnWidth(static_cast<int>(column), widths[column]);
    }
    grid->selectRow(0);
    grid->scrollToTop();
    SetClientWidth(ExpertClientWidth(width(), widths));
}

void TFormAmmoExpt::ShowChosenLoad() {
    // The empty result row names no load.
    if (const auto load = ExpertLoadOfResult(results_, resultGrid_->currentRow())) {
        host_.ShowExpertLoad(load->loadNumber, load->shotKey, load->section);
    }
}

void TFormAmmoExpt::GoBack() {
    switch (CurrentPage()) {
    case kPurpose:
        pages_->setCurrentIndex(kFirearm);
        break;
    case kUsage:
        pages_->setCurrentIndex(kPurpose);
        break;
    case kCaliber:
        pages_->setCurrentIndex(kUsage);
        break;
    case kLoads:
        SetClientWidth(kExpertBaseClientWidth);
        pages_->setCurrentIndex(kCaliber);
        break;
    case kGuideGauge:
        pages_->setCurrentIndex(kCaliber);
        break;
    case kGuideDistance:
        pages_->setCurrentIndex(kGuideGauge);
        break;
    case kGuide:
        pages_->setCurrentIndex(kGuideDistance);
        break;
    default:
        break;
    }
}

void TFormAmmoExpt::StartNewSearch() {
    SetClientWidth(kExpertBaseClientWidth);
    pages_->setCurrentIndex(kFirearm);
}

void TFormAmmoExpt::ShowGuideDistances() {
    repeated_[kGuideDistance][0]->setText(choiceLists_[kFirearm]->currentText());
    repeated_[kGuideDistance][1]->setText(choiceLists_[kCaliber]->currentText());
    repeated_[kGuideDistance][2]->setText(choiceLists_[kGuideGauge]->currentText());
    pages_->setCurrentIndex(kGuideDistance);
    Fill(choiceLists_[kGuideDistance],
         GuideDistances(Chosen(choiceLists_[kCaliber]), Chosen(choiceLists_[kGuideGauge]),
                        settings_.EnglSys));
}

void TFormAmmoExpt::ShowGuideResult() {
    const GuideResult result =
        BuildGuideResult(Chosen(choiceLists_[kCaliber]), Chosen(choiceLists_[kGuideGauge]),
                         Chosen(choiceLists_[kGuideDistance]), settings_.EnglSys);
    pages_->setCurrentIndex(kGuide);

    QTableWidget* grid = guideGrid_;
    grid->setRowCount(static_cast<int>(result.shotTexts.size()));
    grid->setColumnCount(2);
    const int labelWidth =
        QFontMetrics(grid->font()).horizontalAdvance(QString::fromLatin1(kGuideShotLabels.back())) +
        10;
    grid->setColumnWidth(0, labelWidth);
    grid->setColumnWidth(1, std::max(0, grid->viewport()->width() - labelWidth - 5));
    for (std::size_t row = 0; row < result.shotTexts.size(); ++row) {
        auto* label = new QTableWidgetItem(QString::fromLatin1(kGuideShotLabels[row]));
        label->setBackground(palette().button());
        grid->setItem(static_cast<int>(row), 0, label);
        SetCell(grid, static_cast<int>(row), 1, result.shotTexts[row]);
    }
    grid->setFixedHeight(grid->rowHeight(0) * grid->rowCount() + 2 * grid->frameWidth());

    guideGameLine_->setText(ToQString(result.gameLine));
    guideHeading_->setText(ToQString(result.heading));
    chokeLines_[0]->setText(ToQString(result.choke1));
    chokeLines_[1]->setText(ToQString(result.choke2));
    host_.ShowShotshellSection();
}

} // namespace corvane
