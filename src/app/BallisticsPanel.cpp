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
    altitude_ = new NumberEntry(QStringLiteral("0"), 5, this);
    altitude_->setToolTip(QStringLiteral("Altitude above sea level"));
    temperature_ = new NumberEntry(QStringLiteral("59"), 3, this);
    temperature_->setToolTip(QStringLiteral("Air temperature"));
    crossWind_ = new QSpinBox(this);
    crossWind_->setRange(0, 60);
    crossWind_->setValue(10);
    crossWind_->setToolTip(QStringLiteral("Crosswind speed"));
    crossWind_->findChild<QLineEdit*>()->setReadOnly(true);
    increment_ = new SteppedSpinBox(this);
    increment_->SetText(QStringLiteral("50"));
    increment_->setToolTip(QStringLiteral("Increments between ranges"));
    range_ = new SteppedSpinBox(this);
    range_->SetText(QStringLiteral("500"));
    range_->setToolTip(QStringLiteral("Maximum range"));
    zeroAt_ = new SteppedSpinBox(this);
    zeroAt_->SetText(QStringLiteral("100"));
    zeroAt_->setToolTip(QStringLiteral("Zeroed range"));

    const QString captions[6] = {QStringLiteral("Altitude"),  QStringLiteral("Temperature"),
                                 QStringLiteral("Crosswind"), QStringLiteral("Increment"),
                                 QStringLiteral("Range"),     QStringLiteral("Zero at")};
    QWidget* entries[6] = {altitude_, temperature_, crossWind_, increment_, range_, zeroAt_};
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
    connect(altitude_, &QLineEdit::textChanged, this, &BallisticsPanel::entryChanged);
    connect(temperature_, &QLineEdit::textChanged, this, &BallisticsPanel::entryChanged);
    connect(crossWind_, &QSpinBox::textChanged, this, &BallisticsPanel::entryChanged);
    const std::pair<SteppedSpinBox*, StepControl> stepped[] = {{increment_, StepControl::Increment},
                                                               {range_, StepControl::Range},
                                                               {zeroAt_, StepControl::Zero}};
    for (const auto& [box, control] : stepped) {
        connect(box, &SteppedSpinBox::textChanged, this, &BallisticsPanel::entryChanged);
        connect(box, &SteppedSpinBox::stepped, this,
                [this, control = control](StepDirection direction) { Step(control, direction); });
    }
    altitude_->installEventFilter(this);
    temperature_->installEventFilter(this);
    ShowDefaultConditions(AppSettings{});
}

void BallisticsPanel::ShowDefaultConditions(const AppSettings& settings) {
    if (settings.EnglSys) {
        altitude_->setText(Rounded(settings.DefaultAltitude));
        temperature_->setText(Rounded(settings.DefaultTemperature));
        crossWind_->setValue(static_cast<int>(RoundHalfEven(settings.DefaultCrossWind)));
    } else {
        altitude_->setText(Rounded(settings.DefaultAltitude * kMetersPerFoot));
        temperature_->setText(Rounded(FahrenheitToCelsius(settings.DefaultTemperature)));
        crossWind_->setValue(
            static_cast<int>(RoundHalfEven(settings.DefaultCrossWind * kMetersPerSecondPerMph)));
    }
    english_ = settings.EnglSys;
    lastValid_[0] = altitude_->text();
    lastValid_[1] = temperature_->text();
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
    increment_->SetText(QString::number(choices_.Increment()));
    range_->SetText(QString::number(choices_.Range()));
    zeroAt_->SetText(QString::number(choices_.ZeroAt()));
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
    return CheckEntry(altitude_) && CheckEntry(temperature_);
}

bool BallisticsPanel::CheckEntry(QLineEdit* edit) {
    // Texts the panel put there itself are valid; only the user's edits are checked.
    if (edit == nullptr || checking_ || !edit->isModified()) {
        return true;
    }
    const bool altitude = edit == altitude_;
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
    return PanelTexts{FromQString(altitude_->text()),  FromQString(temperature_->text()),
                      FromQString(crossWind_->text()), FromQString(increment_->Text()),
                      FromQString(range_->Text()),     FromQString(zeroAt_->Text())};
}

void BallisticsPanel::SetEntriesEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{altitude_, temperature_, crossWind_,
                                                      increment_, range_, zeroAt_}) {
        w->setEnabled(enabled);
    }
}

} // namespace corvane
