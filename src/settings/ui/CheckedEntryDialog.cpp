#include "settings/ui/CheckedEntryDialog.h"

#include "common/ui/QtText.h"
#include "common/ui/QtUserPrompts.h"
#include "settings/ui/SettingsDialogButtons.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace corvane {

CheckedEntryDialog::CheckedEntryDialog(UserPrompts* prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prompts_(prompts) {
    if (prompts_ == nullptr) {
        ownPrompts_ = std::make_unique<QtUserPrompts>(this);
        prompts_ = ownPrompts_.get();
    }
}

CheckedEntryDialog::~CheckedEntryDialog() = default;

QHBoxLayout* CheckedEntryDialog::CreateButtons(bool showHints) {
    const SettingsDialogButtons buttons = CreateSettingsDialogButtons(this, showHints);
    bbnOK = buttons.ok;
    bbnCancel = buttons.cancel;
    bbnRestore = buttons.restore;
    connect(bbnOK, &QPushButton::clicked, this, &CheckedEntryDialog::bbnOKClick);
    connect(bbnRestore, &QPushButton::clicked, this, [this] { RestoreDefaults(); });
    return buttons.row;
}

void CheckedEntryDialog::WatchField(QLineEdit* edit, EntryCheck check) {
    edit->installEventFilter(this);
    fields_.push_back({edit, std::move(check)});
}

bool CheckedEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening a menu is not leaving the field, and a user
        // on the way to Cancel is not told about an entry that is about to be discarded.
        const QWidget* next = QApplication::focusWidget();
        const bool leaving = reason != Qt::ActiveWindowFocusReason &&
                             reason != Qt::PopupFocusReason && next != bbnCancel;
        if (leaving) {
            for (const WatchedField& field : fields_) {
                if (field.edit == watched && !CheckField(field) && next == bbnOK) {
                    refusedJustNow_ = true;
                    QTimer::singleShot(0, this, [this] { refusedJustNow_ = false; });
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CheckedEntryDialog::CheckField(const WatchedField& field) {
    // Untouched texts are the dialog's own: a stored value shown in Metric may round just
    // outside the Metric range and must not be refused for it.
    if (checking_ || !field.edit->isModified()) {
        return true;
    }
    checking_ = true;
    const std::string entry = FromQString(field.edit->text());
    const FieldCheck result = field.check(entry);
    if (!result.accepted) {
        prompts_->ShowError(result.message);
    }
    field.edit->setText(ToQString(result.text)); // also clears the modified mark
    if (!result.accepted) {
        field.edit->setFocus(Qt::OtherFocusReason);
        field.edit->selectAll();
    }
    checking_ = false;
    return result.accepted;
}

void CheckedEntryDialog::bbnOKClick() {
    if (refusedJustNow_) {
        return;
    }
    for (const WatchedField& field : fields_) {
        if (!CheckField(field)) {
            return;
        }
    }
    TakeValues();
    cancelled_ = false;
    accept();
}

} // namespace corvane
