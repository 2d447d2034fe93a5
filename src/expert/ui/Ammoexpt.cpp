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
        ComboBoxes[kFirearm]->addItem(ToQString(firearm));
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
    NotebookAE->setCurrentIndex(kFirearm);
    ComboBoxes[kFirearm]->setCurrentIndex(kDefaultFirearmItem);
}

int TFormAmmoExpt::CurrentPage() const {
    return NotebookAE->currentIndex();
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

void TFormAmmoExpt::bbnClose0Click() {
    close();
}

void TFormAmmoExpt::bbnNext0Click() {
    NotebookAE->setCurrentIndex(kPurpose);
    repeated_[kPurpose][0]->setText(ComboBoxes[kFirearm]->currentText());
    FirearmKind = FirearmKindOfItem(ComboBoxes[kFirearm]->currentIndex());
    QComboBox* purposes = ComboBoxes[kPurpose];
    Fill(purposes, PurposesFor(FirearmKind));
    purposes->setCurrentIndex(purposes->findText(QString::fromLatin1(kHuntingPurpose)));
}

void TFormAmmoExpt::bbnNext1Click() {
    NotebookAE->setCurrentIndex(kUsage);
    repeated_[kUsage][0]->setText(ComboBoxes[kFirearm]->currentText());
    repeated_[kUsage][1]->setText(ComboBoxes[kPurpose]->currentText());
    Fill(ComboBoxes[kUsage], UsagesFor(Chosen(ComboBoxes[kPurpose]), FirearmKind));
}

void TFormAmmoExpt::bbnNext2Click() {
    NotebookAE->setCurrentIndex(kCaliber);
    for (std::size_t line = 0; line < 3; ++line) {
        repeated_[kCaliber][line]->setText(ComboBoxes[line]->currentText());
    }
    QComboBox* list = ComboBoxes[kCaliber];
    list->clear();
    UsageCode = UsageCodeOf(Chosen(ComboBoxes[kUsage]));
    SearchTab = kNoSearchTab;
    choices_ = {};

    if (UsageCode == kGuideUsageCode) {
        LabelSelCal3->setText(QStringLiteral("Select Game"));
        bbnFinish3->setText(QStringLiteral("&Next"));
        bbnFinish3->setToolTip(QStringLiteral("Continue"));
        Fill(list, GuideGames());
        return;
    }
    LabelSelCal3->setText(IsShotgunKind(FirearmKind) ? QStringLiteral("Select Gauge")
                                                     : QStringLiteral("Select Caliber"));
    bbnFinish3->setText(QStringLiteral("&Finish"));
    bbnFinish3->setToolTip(QStringLiteral("See results"));
    try {
        choices_ = BuildCaliberChoices(catalog_, FirearmKind, UsageCode);
    } catch (const CatalogFileError& error) {
        ShowCatalogError(error);
    }
    SearchTab = choices_.searchTab;
    for (const NamedId& entry : choices_.entries) {
        list->addItem(ToQString(entry.name), entry.id);
    }
    if (list->count() > 0) {
        list->setCurrentIndex(0);
    }
}

void TFormAmmoExpt::bbnFinish3Click() {
    if (UsageCode == kGuideUsageCode) {
        repeated_[kGuideGauge][0]->setText(ComboBoxes[kFirearm]->currentText());
        repeated_[kGuideGauge][1]->setText(ComboBoxes[kCaliber]->currentText());
        NotebookAE->setCurrentIndex(kGuideGauge);
        Fill(ComboBoxes[kGuideGauge], GuideGauges(Chosen(ComboBoxes[kCaliber])));
        return;
    }
    NotebookAE->setCurrentIndex(kLoads);
    const int chosenIndex = ComboBoxes[kCaliber]->currentIndex();
    ChosenCode = chosenIndex >= 0 ? ComboBoxes[kCaliber]->itemData(chosenIndex).toInt() : 0;
    ExpertResultTable table;
    try {
        table = FinishExpertSearch(catalog_, FirearmKind, UsageCode, choices_, chosenIndex,
                                   settings_.EnglSys);
    } catch (const CatalogFileError& error) {
        ShowCatalogError(error);
    }
    ShowResults(table);
}

void TFormAmmoExpt::ShowResults(const ExpertResultTable& table) {
    QTableWidget* grid = StringGrid4;
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

void TFormAmmoExpt::StringGrid4DblClick() {
    const int row = StringGrid4->currentRow();
    const QTableWidgetItem* number = row >= 0 ? StringGrid4->item(row, 0) : nullptr;
    // The empty result row names no load.
    if (number == nullptr || number->text().isEmpty() || StringGrid4->columnCount() < 3) {
        return;
    }
    const QTableWidgetItem* shotKey = StringGrid4->item(row, 2);
    host_.ShowExpertLoad(FromQString(number->text()),
                         shotKey ? FromQString(shotKey->text()) : std::string(),
                         static_cast<CatalogTab>(SearchTab));
}

void TFormAmmoExpt::bbnBack1Click() {
    NotebookAE->setCurrentIndex(kFirearm);
}
void TFormAmmoExpt::bbnBack2Click() {
    NotebookAE->setCurrentIndex(kPurpose);
}
void TFormAmmoExpt::bbnBack3Click() {
    NotebookAE->setCurrentIndex(kUsage);
}

void TFormAmmoExpt::bbnBack4Click() {
    SetClientWidth(kExpertBaseClientWidth);
    NotebookAE->setCurrentIndex(kCaliber);
}

void TFormAmmoExpt::bbnNew4Click() {
    SetClientWidth(kExpertBaseClientWidth);
    NotebookAE->setCurrentIndex(kFirearm);
}

void TFormAmmoExpt::bbnNext5Click() {
    repeated_[kGuideDistance][0]->setText(ComboBoxes[kFirearm]->currentText());
    repeated_[kGuideDistance][1]->setText(ComboBoxes[kCaliber]->currentText());
    repeated_[kGuideDistance][2]->setText(ComboBoxes[kGuideGauge]->currentText());
    NotebookAE->setCurrentIndex(kGuideDistance);
    Fill(ComboBoxes[kGuideDistance],
         GuideDistances(Chosen(ComboBoxes[kCaliber]), Chosen(ComboBoxes[kGuideGauge]),
                        settings_.EnglSys));
}

void TFormAmmoExpt::bbnFinish6Click() {
    const GuideResult result =
        BuildGuideResult(Chosen(ComboBoxes[kCaliber]), Chosen(ComboBoxes[kGuideGauge]),
                         Chosen(ComboBoxes[kGuideDistance]), settings_.EnglSys);
    NotebookAE->setCurrentIndex(kGuide);

    QTableWidget* grid = StringGrid7;
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

    lblGameLine7->setText(ToQString(result.gameLine));
    lblHeading7->setText(ToQString(result.heading));
    lblChoke1->setText(ToQString(result.choke1));
    lblChoke2->setText(ToQString(result.choke2));
    host_.ShowShotshellSection();
}

void TFormAmmoExpt::bbnBack5Click() {
    NotebookAE->setCurrentIndex(kCaliber);
}
void TFormAmmoExpt::bbnBack6Click() {
    NotebookAE->setCurrentIndex(kGuideGauge);
}
void TFormAmmoExpt::bbnBack7Click() {
    NotebookAE->setCurrentIndex(kGuideDistance);
}

} // namespace corvane
