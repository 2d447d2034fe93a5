#include "app/BallisticsPanel.h"

#include "app/SteppedSpinBox.h"
#include "common/NumberText.h"
#include "common/UnitConversion.h"
#include "common/UserPrompts.h"
#include "common/ui/QtText.h"
#include "settings/DialogChecks.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>

namespace corvane {
namespace {

QString Rounded(double value) {
    return QString::number(RoundHalfEven(value));
}

// An entry as wide as its longest number (as many digits as it takes) in the font in use.
class NumberEntry : public QLineEdit {
public:
    NumberEntry(const QString& text, int maxLength, QWidget* parent) : QLineEdit(text, parent) {
        setMaxLength(maxLength);
    }

    QSize sizeHint() const override {
        ensurePolished();
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QMargins margins = textMargins();
        // The digits, the line edit's text margin of 2 pixels on each side and the cursor.
        const int text = fontMetrics().horizontalAdvance(QString(maxLength(), QLatin1Char('0'))) +
                         4 + margins.left() + margins.right() + 1;
        const QSize size = style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                     QSize(text, fontMetrics().height()), this);
        return {size.width(), QLineEdit::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

BallisticsPanel::BallisticsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlGridControlsRight"));
    EditAltitude = new NumberEntry(QStringLiteral("0"), 5, this);
    EditAltitude->setToolTip(QStringLiteral("Altitude above sea level"));
    EditTemperature = new NumberEntry(QStringLiteral("59"), 3, this);
    EditTemperature->setToolTip(QStringLiteral("Air temperature"));
    EditCrossWind = new QSpinBox(this);
    EditCrossWind->setRange(0, 60);
    EditCrossWind->setValue(10);
    EditCrossWind->setToolTip(QStringLiteral("Crosswind speed"));
    EditCrossWind->findChild<QLineEdit*>()->setReadOnly(true);
    EditIncrement = new SteppedSpinBox(this);
    EditIncrement->SetText(QStringLiteral("50"));
    EditIncrement->setToolTip(QStringLiteral("Increments between ranges"));
    EditRange = new SteppedSpinBox(this);
    EditRange->SetText(QStringLiteral("500"));
    EditRange->setToolTip(QStringLiteral("Maximum range"));
    EditZeroAt = new SteppedSpinBox(this);
    EditZeroAt->SetText(QStringLiteral("100"));
    EditZeroAt->setToolTip(QStringLiteral("Zeroed range"));

    const QString captions[6] = {QStringLiteral("Altitude"),  QStringLiteral("Temperature"),
                                 QStringLiteral("Crosswind"), QStringLiteral("Increment"),
                                 QStringLiteral("Range"),     QStringLiteral("Zero at")};
    QWidget* entries[6] = {EditAltitude,  EditTemperature, EditCrossWind,
                           EditIncrement, EditRange,       EditZeroAt};
    // Each column is as wide as its caption, entry or units label needs in the font in use.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    for (int c = 0; c < 6; ++c) {
        auto* caption = new QLabel(captions[c], this);
        caption->setAlignment(Qt::AlignCenter);
        unitLabels_[c] = new QLabel(this);
        unitLabels_[c]->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, c);
        grid->addWidget(entries[c], 1, c);
        grid->addWidget(unitLabels_[c], 2, c);
    }
    grid->setColumnStretch(6, 1); // spare width stays to the right
    connect(EditAltitude, &QLineEdit::textChanged, this, &BallisticsPanel::entryChanged);
    connect(EditTemperature, &QLineEdit::textChanged, this, &BallisticsPanel::entryChanged);
    connect(EditCrossWind, &QSpinBox::textChanged, this, &BallisticsPanel::entryChanged);
    const std::pair<SteppedSpinBox*, StepControl> stepped[] = {
        {EditIncrement, StepControl::Increment},
        {EditRange, StepControl::Range},
        {EditZeroAt, StepControl::Zero}};
    for (const auto& [box, control] : stepped) {
        connect(box, &SteppedSpinBox::textChanged, this, &BallisticsPanel::entryChanged);
        connect(box, &SteppedSpinBox::stepped, this,
                [this, control = control](StepDirection direction) { Step(control, direction); });
    }
    EditAltitude->installEventFilter(this);
    EditTemperature->installEventFilter(this);
    ShowDefaultConditions(AppSettings{});
}

void BallisticsPanel::ShowDefaultConditions(const AppSettings& settings) {
    if (settings.EnglSys) {
        EditAltitude->setText(Rounded(settings.DefaultAltitude));
        EditTemperature->setText(Rounded(settings.DefaultTemperature));
        EditCrossWind->setValue(static_cast<int>(RoundHalfEven(settings.DefaultCrossWind)));
    } else {
        EditAltitude->setText(Rounded(settings.DefaultAltitude * kMetersPerFoot));
        EditTemperature->setText(Rounded(FahrenheitToCelsius(settings.DefaultTemperature)));
        EditCrossWind->setValue(
            static_cast<int>(RoundHalfEven(settings.DefaultCrossWind * kMetersPerSecondPerMph)));
    }
    english_ = settings.EnglSys;
    lastValid_[0] = EditAltitude->text();
    lastValid_[1] = EditTemperature->text();
    const bool e = settings.EnglSys;
    const QString distance = e ? QStringLiteral("Yards") : QStringLiteral("Meters");
    unitLabels_[0]->setText(e ? QStringLiteral("Feet") : QStringLiteral("Meters"));
    unitLabels_[1]->setText(e ? QStringLiteral("Fahrenheit") : QStringLiteral("Celsius"));
    unitLabels_[2]->setText(e ? QStringLiteral("MPH") : QStringLiteral("MPS"));
    for (int c = 3; c < 6; ++c) {
        unitLabels_[c]->setText(distance);
    }
}

void BallisticsPanel::ApplyBallisticDefaults(const AppSettings& settings, CatalogTab section) {
    ShowDefaultConditions(settings);
    const int slot = Traits(section).ballisticsSlot;
    if (slot < 0) {
        return;
    }
    const auto s = static_cast<std::size_t>(slot);
    choices_ = DefaultPanelChoices(section);
    if (settings.SavedIndex[s]) {
        choices_.IncrementIndex = settings.IncrementIndex[s];
        choices_.RangeIndex = settings.RangeIndex[s];
        choices_.ZeroMultiplier = settings.ZeroAtIndex[s];
    }
    Step(StepControl::None, StepDirection::Up);
}

void BallisticsPanel::RememberConditionChoices(AppSettings& settings, CatalogTab section) const {
    const int slot = Traits(section).ballisticsSlot;
    if (slot < 0) {
        return;
    }
    const auto s = static_cast<std::size_t>(slot);
    settings.IncrementIndex[s] = choices_.IncrementIndex;
    settings.RangeIndex[s] = choices_.RangeIndex;
    settings.ZeroAtIndex[s] = choices_.ZeroMultiplier;
    settings.SavedIndex[s] = true;
}

void BallisticsPanel::Step(StepControl control, StepDirection direction) {
    if (choices_.Increments.empty() || choices_.Ranges.empty()) {
        return; // no stepped choices outside sections 0-3
    }
    StepBallisticsControl(choices_, control, direction);
    ShowStepValues();
}

void BallisticsPanel::ShowStepValues() {
    EditIncrement->SetText(QString::number(choices_.Increment()));
    EditRange->SetText(QString::number(choices_.Range()));
    EditZeroAt->SetText(QString::number(choices_.ZeroAt()));
}

bool BallisticsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Another window or a menu taking the focus is not leaving the entry.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            CheckEntry(qobject_cast<QLineEdit*>(watched));
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool BallisticsPanel::CheckEntries() {
    return CheckEntry(EditAltitude) && CheckEntry(EditTemperature);
}

bool BallisticsPanel::CheckEntry(QLineEdit* edit) {
    // Texts the panel put there itself are valid; only the user's edits are checked.
    if (edit == nullptr || checking_ || !edit->isModified()) {
        return true;
    }
    const bool altitude = edit == EditAltitude;
    QString& last = lastValid_[altitude ? 0 : 1];
    const FieldCheck check =
        CheckConditionEntry(altitude ? ConditionField::Altitude : ConditionField::Temperature,
                            FromQString(edit->text()), english_);
    checking_ = true;
    if (check.accepted) {
        last = ToQString(check.text); // the whole number that was checked is the one computed
        edit->setText(last);
    } else {
        edit->setText(last);
        if (prompts_ != nullptr) {
            prompts_->ShowError(check.message);
        }
    }
    checking_ = false;
    return check.accepted;
}

PanelTexts BallisticsPanel::Texts() const {
    return PanelTexts{FromQString(EditAltitude->text()),  FromQString(EditTemperature->text()),
                      FromQString(EditCrossWind->text()), FromQString(EditIncrement->Text()),
                      FromQString(EditRange->Text()),     FromQString(EditZeroAt->Text())};
}

void BallisticsPanel::SetEntriesEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{EditAltitude, EditTemperature, EditCrossWind,
                                                      EditIncrement, EditRange, EditZeroAt}) {
        w->setEnabled(enabled);
    }
}

} // namespace corvane
