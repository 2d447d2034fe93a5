#include "rifle/ui/RangeCardWindow.h"

#include "common/Cp1252.h"
#include "common/ui/QtText.h"
#include "common/ui/QtUserPrompts.h"
#include "report/ui/MainReport.h"
#include "report/ui/RangeCardPrintPage.h"
#include "rifle/RangeCardText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace corvane {

namespace {

enum UnitLabel { AltitudeUnit, TemperatureUnit, WindUnit, RangeUnit, ZoneUnit, EnergyUnit };
enum EnergyPreset { Deer, Elk, OwnValue };

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString Caption(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

RangeCardWindow::RangeCardWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmRangeCard"));
    setWindowTitle(QStringLiteral("Range Card"));
    BuildControls();
    FillLoadList();
    FillRifleList();
    ShowUnitLabels();
    ShowConditionsSource();
    resize(760, 560);
}

void RangeCardWindow::BuildControls() {
    loadList_ = Named(new QComboBox(this), "cbxLoad");
    rifleList_ = Named(new QComboBox(this), "cbxRifle");
    loadList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    loadList_->setMinimumContentsLength(24);
    rifleList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    rifleList_->setMinimumContentsLength(18);
    altitude_ = Named(new QLineEdit(this), "edtAltitude");
    temperature_ = Named(new QLineEdit(this), "edtTemperature");
    crossWind_ = Named(new QLineEdit(this), "edtCrossWind");
    for (QLineEdit* edit : {altitude_, temperature_, crossWind_}) {
        edit->setMaximumWidth(60);
    }
    conditionsSource_ = Named(new QLabel(this), "lblConditionsSource");
    followPanel_ =
        Named(new QPushButton(QStringLiteral("Use the panel's"), this), "btnFollowPanel");
    start_ = Named(new QSpinBox(this), "spnStart");
    step_ = Named(new QSpinBox(this), "spnStep");
    maxRange_ = Named(new QSpinBox(this), "spnMaxRange");
    start_->setRange(0, kMaxCardRange);
    step_->setRange(1, kMaxCardRange);
    maxRange_->setRange(0, kMaxCardRange);
    step_->setValue(100);
    maxRange_->setValue(kMaxCardRange);
    moa_ = Named(new QRadioButton(QStringLiteral("MOA"), this), "rbnMoa");
    mil_ = Named(new QRadioButton(QStringLiteral("mil"), this), "rbnMil");
    moa_->setChecked(true);
    auto* units = new QButtonGroup(this);
    units->addButton(moa_);
    units->addButton(mil_);
    click_ = Named(new QDoubleSpinBox(this), "spnClick");
    click_->setDecimals(3);
    click_->setRange(0.001, 10);
    click_->setSingleStep(0.05);
    click_->setValue(DefaultClick(AdjustmentUnit::Moa));
    vitalZone_ = Named(new QDoubleSpinBox(this), "spnVitalZone");
    vitalZone_->setDecimals(1);
    vitalZone_->setRange(0.5, 100);
    vitalZone_->setValue(DefaultVitalZone(true));
    energyPreset_ = Named(new QComboBox(this), "cbxEnergyPreset");
    energyPreset_->addItems(
        {QStringLiteral("Deer-size"), QStringLiteral("Elk-size"), QStringLiteral("Own value")});
    energy_ = Named(new QSpinBox(this), "spnEnergy");
    energy_->setRange(1, 20000);
    energy_->setValue(static_cast<int>(kDeerEnergyFtLbf));
    for (QLabel*& label : unitLabels_) {
        label = new QLabel(this);
    }
    unitLabels_[AltitudeUnit]->setObjectName(QStringLiteral("lblAltitudeUnit"));
    unitLabels_[TemperatureUnit]->setObjectName(QStringLiteral("lblTemperatureUnit"));
    unitLabels_[WindUnit]->setObjectName(QStringLiteral("lblWindUnit"));
    unitLabels_[RangeUnit]->setObjectName(QStringLiteral("lblRangeUnit"));
    unitLabels_[ZoneUnit]->setObjectName(QStringLiteral("lblZoneUnit"));
    unitLabels_[EnergyUnit]->setObjectName(QStringLiteral("lblEnergyUnit"));
    zeroLine_ = Named(new QLabel(this), "lblZero");
    pointBlank_ = Named(new QLabel(this), "lblPointBlank");
    problem_ = Named(new QLabel(this), "lblProblem");
    energyLine_ = Named(new QLabel(this), "lblEnergyLine");
    QFont bold = pointBlank_->font();
    bold.setBold(true);
    for (QLabel* label : {pointBlank_, problem_, energyLine_}) {
        label->setFont(bold);
        label->setWordWrap(true);
    }
    QPalette red = problem_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    problem_->setPalette(red);
    table_ = Named(new QTableWidget(this), "tblCard");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    model_ = Named(new QComboBox(this), "cmbModel");
    model_->addItems({QStringLiteral("Catalog standard"), QStringLiteral("Precision")});
    modelLine_ = Named(new QLabel(this), "lblModel");
    precisionEntries_ = new QWidget(this);
    auto* precisionLayout = new QGridLayout(precisionEntries_);
    precisionLayout->setContentsMargins(0, 0, 0, 0);
    precisionLayout->setHorizontalSpacing(6);
    static constexpr std::array<const char*, kPrecisionEntryCount> kEditNames = {
        "edtHumidity", "edtPressure", "edtAngle", "edtWindClock", "edtLatitude", "edtAzimuth"};
    const PrecisionEntryTexts defaults = DefaultPrecisionEntries();
    for (std::size_t i = 0; i < kPrecisionEntryCount; ++i) {
        const auto entry = static_cast<PrecisionEntry>(i);
        QLineEdit* edit =
            Named(new QLineEdit(ToQString(defaults[i]), precisionEntries_), kEditNames[i]);
        edit->setMaximumWidth(60);
        edit->installEventFilter(this);
        precisionEdits_[i] = edit;
        precisionUnits_[i] = new QLabel(precisionEntries_);
        const int row = static_cast<int>(i) / 3;
        const int column = static_cast<int>(i) % 3 * 3;
        precisionLayout->addWidget(
            new QLabel(ToQString(PrecisionEntryCaption(entry)), precisionEntries_), row, column);
        precisionLayout->addWidget(edit, row, column + 1);
        precisionLayout->addWidget(precisionUnits_[i], row, column + 2);
        connect(edit, &QLineEdit::textEdited, this, [this] { Rebuild(); });
    }
    precisionLayout->setColumnStretch(9, 1);
    precisionEntries_->hide();
    auto* preview = Named(new QPushButton(QStringLiteral("Print pre&view..."), this), "btnPreview");
    auto* print = Named(new QPushButton(QStringLiteral("&Print..."), this), "btnPrint");
    auto* save = Named(new QPushButton(QStringLiteral("Save as &CSV..."), this), "btnSaveCsv");
    auto* close = Named(new QPushButton(QStringLiteral("Close"), this), "btnClose");

    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(6);
    auto* loadCaption = new QLabel(QStringLiteral("&Load:"), this);
    loadCaption->setBuddy(loadList_);
    auto* rifleCaption = new QLabel(QStringLiteral("&Rifle:"), this);
    rifleCaption->setBuddy(rifleList_);
    choices->addWidget(loadCaption, 0, 0);
    choices->addWidget(loadList_, 0, 1, 1, 6);
    choices->addWidget(rifleCaption, 0, 7);
    choices->addWidget(rifleList_, 0, 8, 1, 4);
    int column = 0;
    const auto add = [&](int row, QWidget* widget, int span = 1) {
        choices->addWidget(widget, row, column, 1, span);
        column += span;
    };
    add(1, new QLabel(QStringLiteral("Altitude:"), this));
    add(1, altitude_);
    add(1, unitLabels_[AltitudeUnit]);
    add(1, new QLabel(QStringLiteral("Temperature:"), this));
    add(1, temperature_);
    add(1, unitLabels_[TemperatureUnit]);
    add(1, new QLabel(QStringLiteral("Wind:"), this));
    add(1, crossWind_);
    add(1, unitLabels_[WindUnit]);
    add(1, followPanel_, 3);
    column = 0;
    add(2, new QLabel(QStringLiteral("Start:"), this));
    add(2, start_);
    add(2, new QLabel(QStringLiteral("Step:"), this));
    add(2, step_);
    add(2, new QLabel(QStringLiteral("Max. range:"), this));
    add(2, maxRange_);
    add(2, unitLabels_[RangeUnit]);
    add(2, moa_);
    add(2, mil_);
    add(2, new QLabel(QStringLiteral("Click:"), this));
    add(2, click_, 2);
    column = 0;
    add(3, new QLabel(QStringLiteral("Vital zone:"), this));
    add(3, vitalZone_);
    add(3, unitLabels_[ZoneUnit]);
    add(3, new QLabel(QStringLiteral("Energy:"), this));
    add(3, energyPreset_, 2);
    add(3, energy_);
    add(3, unitLabels_[EnergyUnit]);
    add(3, zeroLine_, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* modelRow = new QHBoxLayout;
    auto* modelCaption = new QLabel(QStringLiteral("&Model:"), this);
    modelCaption->setBuddy(model_);
    modelRow->addWidget(modelCaption);
    modelRow->addWidget(model_);
    modelRow->addWidget(modelLine_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(modelRow);
    layout->addWidget(precisionEntries_);
    layout->addWidget(conditionsSource_);
    layout->addWidget(pointBlank_);
    layout->addWidget(problem_);
    layout->addWidget(table_, 1);
    layout->addWidget(energyLine_);
    layout->addLayout(buttons);

    const auto rebuild = [this] { Rebuild(); };
    connect(loadList_, &QComboBox::currentIndexChanged, this, rebuild);
    connect(rifleList_, &QComboBox::currentIndexChanged, this, &RangeCardWindow::RifleChosen);
    for (QLineEdit* edit : {altitude_, temperature_, crossWind_}) {
        connect(edit, &QLineEdit::textEdited, this, [this] {
            conditionsEdited_ = true;
            ShowConditionsSource();
            Rebuild();
        });
    }
    connect(followPanel_, &QPushButton::clicked, this, &RangeCardWindow::FollowPanel);
    // A card starts at or before its last row.
    connect(maxRange_, &QSpinBox::valueChanged, start_, &QSpinBox::setMaximum);
    for (QSpinBox* box : {start_, step_, maxRange_}) {
        connect(box, &QSpinBox::valueChanged, this, rebuild);
    }
    connect(moa_, &QRadioButton::toggled, this, &RangeCardWindow::UnitChosen);
    connect(click_, &QDoubleSpinBox::valueChanged, this, rebuild);
    connect(vitalZone_, &QDoubleSpinBox::valueChanged, this, rebuild);
    connect(energyPreset_, &QComboBox::currentIndexChanged, this, [this](int preset) {
        if (preset != OwnValue) {
            const QSignalBlocker blocker(energy_);
            energy_->setValue(static_cast<int>(
                ShownEnergy(preset == Deer ? kDeerEnergyFtLbf : kElkEnergyFtLbf, english_)));
        }
        Rebuild();
    });
    connect(energy_, &QSpinBox::valueChanged, this, [this] {
        const QSignalBlocker blocker(energyPreset_);
        energyPreset_->setCurrentIndex(OwnValue);
        Rebuild();
    });
    connect(model_, &QComboBox::currentIndexChanged, this, &RangeCardWindow::ModelChosen);
    connect(preview, &QPushButton::clicked, this, [this] { PrintCard(false); });
    connect(print, &QPushButton::clicked, this, [this] { PrintCard(true); });
    connect(save, &QPushButton::clicked, this, &RangeCardWindow::SaveCsv);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void RangeCardWindow::SetPrinting(UserPrompts* prompts, const QString& productInfoDir,
                                  bool colorPrinting) {
    prompts_ = prompts;
    productInfoDir_ = productInfoDir;
    colorPrinting_ = colorPrinting;
}

void RangeCardWindow::SetCatalogLoad(std::optional<CardLoad> load) {
    catalogLoad_ = std::move(load);
    FillLoadList();
    Rebuild();
}

void RangeCardWindow::SetPanel(const PanelTexts& panel, bool english, double sectionSightHeight) {
    const bool unitsChanged = english != english_;
    if (!panelKnown_) {
        // The card starts on the panel's rows; from then on they are the window's.
        const QSignalBlocker stepBlocker(step_);
        const QSignalBlocker rangeBlocker(maxRange_);
        const PanelRanges ranges = ReadPanelRanges(panel);
        step_->setValue(std::max(ranges.Increment, 1));
        maxRange_->setValue(std::clamp(ranges.Range, 0, kMaxCardRange));
        start_->setMaximum(maxRange_->value());
    }
    panelKnown_ = true;
    panel_ = panel;
    english_ = english;
    sectionSightHeight_ = sectionSightHeight;
    if (unitsChanged) {
        // Conditions typed in the other units mean nothing now.
        conditionsEdited_ = false;
        const QSignalBlocker zoneBlocker(vitalZone_);
        const QSignalBlocker energyBlocker(energy_);
        vitalZone_->setValue(VitalZoneInUnits(vitalZone_->value(), english));
        const int preset = energyPreset_->currentIndex();
        energy_->setValue(static_cast<int>(
            preset == OwnValue
                ? EnergyInUnits(energy_->value(), english)
                : ShownEnergy(preset == Deer ? kDeerEnergyFtLbf : kElkEnergyFtLbf, english)));
        QLineEdit* pressure =
            precisionEdits_[static_cast<std::size_t>(PrecisionEntry::StationPressure)];
        pressure->setText(ToQString(PressureEntryInUnits(FromQString(pressure->text()), english)));
        ShowUnitLabels();
        FillLoadList();
    }
    if (!conditionsEdited_) {
        altitude_->setText(ToQString(panel.Altitude));
        temperature_->setText(ToQString(panel.Temperature));
        crossWind_->setText(ToQString(panel.CrossWind));
    }
    ShowConditionsSource();
    Rebuild();
}

void RangeCardWindow::SetMyLoads(const MyLoads& document) {
    myLoads_ = document;
    FillLoadList();
    FillRifleList();
    Rebuild();
}

void RangeCardWindow::UseCatalogLoad() {
    loadList_->setCurrentIndex(0);
}

void RangeCardWindow::FillLoadList() {
    // Kept on the same entry by its place: the catalog's entry first, then the own loads by name.
    const int current = loadList_->currentIndex();
    const QString currentName = loadList_->currentData().toString();
    const QSignalBlocker blocker(loadList_);
    loadList_->clear();
    loadList_->addItem(catalogLoad_ ? QStringLiteral("Catalog: ") + ToQString(catalogLoad_->name)
                                    : QStringLiteral("Catalog: no load of this section selected"));
    int keep = 0;
    for (const OwnLoad& load : myLoads_.loads) {
        // The shooter's own names are UTF-8, the catalog's Windows-1252.
        const QString name = QString::fromStdString(load.name);
        loadList_->addItem(QStringLiteral("Own: ") + name +
                               (load.caliber.empty() ? QString()
                                                     : QStringLiteral(" (%1)").arg(
                                                           QString::fromStdString(load.caliber))),
                           name);
        if (current > 0 && name == currentName && keep == 0) {
            keep = loadList_->count() - 1;
        }
    }
    loadList_->setCurrentIndex(keep);
}

void RangeCardWindow::FillRifleList() {
    const QString current = rifleList_->currentData().toString();
    const bool wasChosen = rifleList_->currentIndex() > 0;
    const QSignalBlocker blocker(rifleList_);
    rifleList_->clear();
    rifleList_->addItem(QStringLiteral("None: section's sight height"));
    int keep = 0;
    for (const RifleProfile& rifle : myLoads_.rifles) {
        const QString name = QString::fromStdString(rifle.name);
        rifleList_->addItem(name, name);
        if (wasChosen && name == current && keep == 0) {
            keep = rifleList_->count() - 1;
        }
    }
    rifleList_->setCurrentIndex(keep);
}

void RangeCardWindow::RifleChosen() {
    const int index = rifleList_->currentIndex() - 1;
    if (index >= 0 && static_cast<std::size_t>(index) < myLoads_.rifles.size()) {
        // The rifle's scope sets the unit and the click; the user may still change them.
        const RifleProfile& rifle = myLoads_.rifles[static_cast<std::size_t>(index)];
        const QSignalBlocker moaBlocker(moa_);
        const QSignalBlocker milBlocker(mil_);
        const QSignalBlocker clickBlocker(click_);
        (rifle.unit == AdjustmentUnit::Mil ? mil_ : moa_)->setChecked(true);
        click_->setValue(rifle.click);
    }
    Rebuild();
}

void RangeCardWindow::UnitChosen() {
    // A click left at the other unit's common value takes this unit's.
    const AdjustmentUnit unit = mil_->isChecked() ? AdjustmentUnit::Mil : AdjustmentUnit::Moa;
    const AdjustmentUnit other =
        unit == AdjustmentUnit::Mil ? AdjustmentUnit::Moa : AdjustmentUnit::Mil;
    if (click_->value() == DefaultClick(other)) {
        const QSignalBlocker blocker(click_);
        click_->setValue(DefaultClick(unit));
    }
    Rebuild();
}

void RangeCardWindow::FollowPanel() {
    conditionsEdited_ = false;
    altitude_->setText(ToQString(panel_.Altitude));
    temperature_->setText(ToQString(panel_.Temperature));
    crossWind_->setText(ToQString(panel_.CrossWind));
    ShowConditionsSource();
    Rebuild();
}

void RangeCardWindow::ShowConditionsSource() {
    conditionsSource_->setText(
        conditionsEdited_
            ? QStringLiteral("Conditions: edited here; changes on the ballistics panel are not "
                             "followed.")
            : QStringLiteral("Conditions: from the ballistics panel, following its changes."));
    followPanel_->setEnabled(conditionsEdited_);
}

void RangeCardWindow::ShowUnitLabels() {
    const bool e = english_;
    unitLabels_[AltitudeUnit]->setText(e ? Caption("ft") : Caption("m"));
    unitLabels_[TemperatureUnit]->setText(e ? QStringLiteral("\u00B0F")
                                            : QStringLiteral("\u00B0C"));
    unitLabels_[WindUnit]->setText(e ? Caption("mph") : Caption("m/s"));
    unitLabels_[RangeUnit]->setText(e ? Caption("yd") : Caption("m"));
    unitLabels_[ZoneUnit]->setText(e ? Caption("in") : Caption("cm"));
    unitLabels_[EnergyUnit]->setText(e ? Caption("ft-lbf") : Caption("J"));
    for (std::size_t i = 0; i < kPrecisionEntryCount; ++i) {
        precisionUnits_[i]->setText(
            ToQString(PrecisionEntryUnit(static_cast<PrecisionEntry>(i), e)));
    }
}

void RangeCardWindow::ModelChosen() {
    precisionEntries_->setVisible(model_->currentIndex() == 1);
    Rebuild();
}

PrecisionEntryTexts RangeCardWindow::PrecisionTexts() const {
    PrecisionEntryTexts texts;
    for (std::size_t i = 0; i < kPrecisionEntryCount; ++i) {
        texts[i] = FromQString(precisionEdits_[i]->text());
    }
    return texts;
}

bool RangeCardWindow::CheckPrecisionField(std::size_t entry) {
    QLineEdit* edit = precisionEdits_[entry];
    const FieldCheck check = CheckPrecisionEntry(static_cast<PrecisionEntry>(entry),
                                                 FromQString(edit->text()), english_);
    edit->setText(ToQString(check.text));
    if (check.accepted) {
        return true;
    }
    // The message box takes the focus: the field must not be checked again meanwhile.
    checkingEntry_ = true;
    QtUserPrompts ownPrompts(this);
    (prompts_ != nullptr ? *prompts_ : static_cast<UserPrompts&>(ownPrompts))
        .ShowError(check.message);
    checkingEntry_ = false;
    // The message may belong to the main window, which then comes to the front: the field
    // being corrected is in this one.
    raise();
    activateWindow();
    edit->setFocus();
    edit->selectAll();
    Rebuild();
    return false;
}

bool RangeCardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !checkingEntry_) {
        for (std::size_t i = 0; i < kPrecisionEntryCount; ++i) {
            if (watched == precisionEdits_[i] && precisionEdits_[i]->isModified()) {
                precisionEdits_[i]->setModified(false);
                CheckPrecisionField(i);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

CardLoad RangeCardWindow::ChosenLoad() const {
    const int index = loadList_->currentIndex() - 1;
    if (index >= 0 && static_cast<std::size_t>(index) < myLoads_.loads.size()) {
        const OwnLoad& own = myLoads_.loads[static_cast<std::size_t>(index)];
        return CardLoad{Utf8ToCp1252(own.name), CatalogTab::Rifle, std::nullopt, own};
    }
    return catalogLoad_.value_or(CardLoad{});
}

RangeCardChoices RangeCardWindow::Choices() const {
    RangeCardChoices c;
    c.panel = panel_;
    c.panel.Altitude = FromQString(altitude_->text());
    c.panel.Temperature = FromQString(temperature_->text());
    c.panel.CrossWind = FromQString(crossWind_->text());
    c.english = english_;
    const int rifle = rifleList_->currentIndex() - 1;
    if (rifle >= 0 && static_cast<std::size_t>(rifle) < myLoads_.rifles.size()) {
        c.rifle = myLoads_.rifles[static_cast<std::size_t>(rifle)];
    }
    c.sectionSightHeight = sectionSightHeight_;
    c.start = start_->value();
    c.step = step_->value();
    c.maxRange = maxRange_->value();
    c.unit = mil_->isChecked() ? AdjustmentUnit::Mil : AdjustmentUnit::Moa;
    c.click = click_->value();
    c.vitalZone = vitalZone_->value();
    c.energyThreshold = energy_->value();
    c.model = model_->currentIndex() == 1 ? BallisticModel::Precision : BallisticModel::Catalog;
    c.precision = ReadPrecisionEntries(PrecisionTexts(), english_);
    return c;
}

void RangeCardWindow::Rebuild() {
    const CardLoad load = ChosenLoad();
    const RangeCardChoices choices = Choices();
    card_ = BuildChosenCard(load, choices);
    page_ = BuildRangeCardPage(load, choices, card_);
    const QString model = ToQString(ModelLine(choices.model));
    setWindowTitle(choices.model == BallisticModel::Precision
                       ? QStringLiteral("Range Card - Precision model")
                       : QStringLiteral("Range Card"));
    QString drag;
    for (const CardPair& pair : page_.details) {
        if (pair.label == "Drag:") {
            drag = QStringLiteral(" - drag ") + ToQString(pair.value) + drag;
        } else if (pair.label == "Density altitude:") {
            drag += QStringLiteral(", density altitude ") + ToQString(pair.value);
        }
    }
    modelLine_->setText(model + drag);

    QString zero;
    for (const CardPair& pair : page_.details) {
        if (pair.label == "Sight height:" || pair.label == "Zero:") {
            zero += (zero.isEmpty() ? QString() : QStringLiteral("   ")) + ToQString(pair.label) +
                    QLatin1Char(' ') + ToQString(pair.value);
        }
    }
    zeroLine_->setText(zero);
    pointBlank_->setText(ToQString(page_.pointBlankLine));
    energyLine_->setText(ToQString(page_.energyLine));
    problem_->setText(ToQString(page_.problem));
    problem_->setVisible(!page_.problem.empty());
    table_->clear();
    table_->setColumnCount(static_cast<int>(page_.headings.size()));
    QStringList headings;
    for (const std::string& heading : page_.headings) {
        headings << ToQString(heading).replace(QStringLiteral(" ("), QStringLiteral("\n("));
    }
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(page_.rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const std::vector<std::string>& cells = page_.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(ToQString(cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    const bool printable = page_.problem.empty();
    for (const char* name : {"btnPreview", "btnPrint", "btnSaveCsv"}) {
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(printable);
    }
}

void RangeCardWindow::PrintCard(bool showSetup) {
    if (!page_.problem.empty()) {
        return;
    }
    QtUserPrompts ownPrompts(this);
    UserPrompts& prompts = prompts_ != nullptr ? *prompts_ : ownPrompts;
    TfrmMainReport report(this, prompts, productInfoDir_, colorPrinting_);
    report.SetShowSetup(showSetup);
    report.SetEnglSys(english_);
    report.SetPrintedPage(std::make_unique<RangeCardPrintPage>(page_));
    if (printHook_) {
        printHook_(report);
    } else {
        report.exec();
    }
}

void RangeCardWindow::SaveCsv() {
    if (!page_.problem.empty()) {
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Range Card as CSV"),
                                     QDir(folder).filePath(QStringLiteral("range-card.csv")),
                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (file.isEmpty()) {
        return;
    }
    const WriteResult result = WriteRangeCardCsv(
        file.toStdString(), card_,
        model_->currentIndex() == 1 ? BallisticModel::Precision : BallisticModel::Catalog);
    if (!result.Ok) {
        QtUserPrompts ownPrompts(this);
        (prompts_ != nullptr ? *prompts_ : static_cast<UserPrompts&>(ownPrompts))
            .ShowError(Utf8ToCp1252(result.Error));
    }
}

} // namespace corvane
