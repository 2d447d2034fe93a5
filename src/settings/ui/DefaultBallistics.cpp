#include "settings/ui/DefaultBallistics.h"

#include "common/ui/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

TfrmDefaultBallistics::TfrmDefaultBallistics(const AppSettings& settings, UserPrompts* prompts,
                                             QWidget* parent)
    : CheckedEntryDialog(prompts, parent), english_(settings.EnglSys),
      altitude_(settings.DefaultAltitude), temperature_(settings.DefaultTemperature),
      crossWind_(settings.DefaultCrossWind) {
    setWindowTitle(QStringLiteral("Ballistics Settings Dialog"));
    setObjectName(QStringLiteral("frmDefaultBallistics"));

    auto* explanation = new QLabel(
        QStringLiteral("Set the following values to the conditions you most often encounter "
                       "where you shoot.  These settings become the initial values whenever "
                       "starting the program, changing between ammo categories, or clicking "
                       "the Default button."),
        this);
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);

    rows_ = new QGridLayout;
    const bool hints = settings.ShowHints;
    EditAlt = AddRow(ConditionField::Altitude, QStringLiteral("Altitude:"),
                     QStringLiteral("Altitude above sea level"), altitude_, hints);
    EditTemp = AddRow(ConditionField::Temperature, QStringLiteral("Temperature:"),
                      QStringLiteral("Air temperature"), temperature_, hints);
    EditWind = AddRow(ConditionField::CrossWind, QStringLiteral("Crosswind:"),
                      QStringLiteral("Crosswind speed"), crossWind_, hints);
    rows_->setColumnStretch(3, 1);

    QHBoxLayout* buttons = CreateButtons(hints);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(rows_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(400, 220);

    setTabOrder(EditAlt, EditTemp);
    setTabOrder(EditTemp, EditWind);
    setTabOrder(EditWind, bbnOK);
    setTabOrder(bbnOK, bbnCancel);
    setTabOrder(bbnCancel, bbnRestore);
    EditAlt->setFocus();
}

QLineEdit* TfrmDefaultBallistics::AddRow(ConditionField field, const QString& caption,
                                         const QString& hint, double stored, bool showHints) {
    const int row = static_cast<int>(field);
    auto* edit = new QLineEdit(ToQString(ConditionDisplayText(field, stored, english_)), this);
    edit->setMaxLength(12);
    edit->setFixedWidth(80);
    if (showHints) {
        edit->setToolTip(hint);
    }
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    lblUnits[row] = new QLabel(ToQString(ConditionUnitWord(field, english_)), this);
    rows_->addWidget(label, row, 0, Qt::AlignRight);
    rows_->addWidget(edit, row, 1);
    rows_->addWidget(lblUnits[row], row, 2);
    const bool english = english_;
    WatchField(edit, [field, english](std::string_view text) {
        return CheckConditionEntry(field, text, english);
    });
    return edit;
}

QLabel* TfrmDefaultBallistics::UnitLabel(ConditionField field) const {
    return lblUnits[static_cast<int>(field)];
}

void TfrmDefaultBallistics::ApplyTo(AppSettings& settings) const {
    settings.DefaultAltitude = altitude_;
    settings.DefaultTemperature = temperature_;
    settings.DefaultCrossWind = crossWind_;
}

void TfrmDefaultBallistics::TakeValues() {
    altitude_ =
        ConditionFromEntry(ConditionField::Altitude, FromQString(EditAlt->text()), english_);
    temperature_ =
        ConditionFromEntry(ConditionField::Temperature, FromQString(EditTemp->text()), english_);
    crossWind_ =
        ConditionFromEntry(ConditionField::CrossWind, FromQString(EditWind->text()), english_);
}

void TfrmDefaultBallistics::RestoreDefaults() {
    EditAlt->setText(ToQString(ConditionRestoreText(ConditionField::Altitude, english_)));
    EditTemp->setText(ToQString(ConditionRestoreText(ConditionField::Temperature, english_)));
    EditWind->setText(ToQString(ConditionRestoreText(ConditionField::CrossWind, english_)));
}

} // namespace corvane
