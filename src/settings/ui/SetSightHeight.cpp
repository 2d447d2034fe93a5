#include "settings/ui/SetSightHeight.h"

#include "common/ui/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {
namespace {

constexpr std::array<SightField, 4> kFields{SightField::Rifle, SightField::Pistol,
                                            SightField::Rimfire, SightField::Slug};

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TfrmSightHeight::TfrmSightHeight(const AppSettings& settings, UserPrompts* prompts, QWidget* parent)
    : CheckedEntryDialog(prompts, parent), english_(settings.EnglSys), heights_(settings) {
    setWindowTitle(QStringLiteral("Sight Height Dialog"));
    setObjectName(QStringLiteral("frmSightHeight"));

    auto* scopeNote = WrappedLabel(
        QStringLiteral("Sight height is the distance from the center of the barrel's bore to "
                       "the center of the scope's objective lens."),
        this);
    auto* ironNote = WrappedLabel(
        QStringLiteral("For iron sights, measure from the center of the bore to the top of the "
                       "front sight."),
        this);

    rows_ = new QGridLayout;
    const bool hints = settings.ShowHints;
    AddRow(SightField::Rifle, QStringLiteral("Centerfire Rifle Sight Height:"),
           settings.RifleSightHeight, hints);
    AddRow(SightField::Pistol, QStringLiteral("Centerfire Pistol Sight Height:"),
           settings.PistolSightHeight, hints);
    AddRow(SightField::Rimfire, QStringLiteral("Rimfire Sight Height:"),
           settings.RimfireSightHeight, hints);
    AddRow(SightField::Slug, QStringLiteral("Slug Sight Height:"), settings.SlugSightHeight, hints);
    rows_->setColumnStretch(3, 1);

    QHBoxLayout* buttons = CreateButtons(hints);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scopeNote);
    layout->addWidget(ironNote);
    layout->addLayout(rows_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(420, 280);

    QWidget* previous = edits_[0];
    for (QWidget* next : {static_cast<QWidget*>(edits_[1]), static_cast<QWidget*>(edits_[2]),
                          static_cast<QWidget*>(edits_[3]), static_cast<QWidget*>(bbnOK),
                          static_cast<QWidget*>(bbnCancel), static_cast<QWidget*>(bbnRestore)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    edits_[0]->setFocus();
}

void TfrmSightHeight::AddRow(SightField field, const QString& caption, double inches,
                             bool showHints) {
    const int row = static_cast<int>(field);
    auto* edit = new QLineEdit(ToQString(SightHeightDisplayText(inches, english_)), this);
    edit->setMaxLength(12);
    edit->setFixedWidth(80);
    if (showHints) {
        edit->setToolTip(QStringLiteral("Sight's height above center of barrel's bore"));
    }
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    units_[row] = new QLabel(ToQString(SightHeightUnitWord(english_)), this);
    rows_->addWidget(label, row, 0, Qt::AlignRight);
    rows_->addWidget(edit, row, 1);
    rows_->addWidget(units_[row], row, 2);
    edits_[row] = edit;
    const bool english = english_;
    WatchField(edit, [field, english](std::string_view text) {
        return CheckSightHeightEntry(field, text, english);
    });
}

double TfrmSightHeight::SightHeight(SightField field) const {
    return SightHeightOf(heights_, field);
}

void TfrmSightHeight::ApplyTo(AppSettings& settings) const {
    for (SightField field : kFields) {
        SetSightHeight(settings, field, SightHeight(field));
    }
}

void TfrmSightHeight::TakeValues() {
    for (SightField field : kFields) {
        SetSightHeight(heights_, field,
                       SightHeightFromEntry(FromQString(Edit(field)->text()), english_));
    }
}

void TfrmSightHeight::RestoreDefaults() {
    for (SightField field : kFields) {
        Edit(field)->setText(ToQString(SightHeightRestoreText(field, english_)));
    }
}

} // namespace corvane
