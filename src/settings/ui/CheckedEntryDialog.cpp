#include "settings/ui/CheckedEntryDialog.h"

#include "common/ui/QtUserPrompts.h"
#include "settings/ui/SettingsDialogButtons.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace corvane {

CheckedEntryDialog::CheckedEntryDialog(UserPrompts* prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    if (prompts == nullptr) {
        ownPrompts_ = std::make_unique<QtUserPrompts>(this);
        prompts = ownPrompts_.get();
    }
    fields_ = new CheckedFields(*prompts, this);
    connect(fields_, &CheckedFields::refusedOnLeaving, this, [this](QWidget* next) {
        // A click on OK that took the focus from a refused entry must not close the dialog
        // straight after the message.
        if (next != nullptr && next == bbnOK) {
            refusedJustNow_ = true;
            QTimer::singleShot(0, this, [this] { refusedJustNow_ = false; });
        }
    });
}

CheckedEntryDialog::~CheckedEntryDialog() = default;

QHBoxLayout* CheckedEntryDialog::CreateButtons(bool showHints) {
    const SettingsDialogButtons buttons = CreateSettingsDialogButtons(this, showHints);
    bbnOK = buttons.ok;
    bbnCancel = buttons.cancel;
    bbnRestore = buttons.restore;
    fields_->SetDiscarding(bbnCancel);
    connect(bbnOK, &QPushButton::clicked, this, &CheckedEntryDialog::bbnOKClick);
    connect(bbnRestore, &QPushButton::clicked, this, [this] { RestoreDefaults(); });
    return buttons.row;
}

void CheckedEntryDialog::WatchField(QLineEdit* edit, EntryCheck check) {
    fields_->Watch(edit, std::move(check));
}

void CheckedEntryDialog::bbnOKClick() {
    if (refusedJustNow_ || !fields_->CheckAll()) {
        return;
    }
    TakeValues();
    cancelled_ = false;
    accept();
}

} // namespace corvane
