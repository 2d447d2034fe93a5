#pragma once
// A modal dialog whose entry fields check themselves when the user leaves them: a refused
// entry is reported in an error box, the field gets its reset text and the focus back. OK
// closes only when every changed field passes; until then the dialog counts as cancelled.
#include "settings/DialogChecks.h"
#include "settings/ui/CheckedFields.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace corvane {

class UserPrompts;

class CheckedEntryDialog : public QDialog {
    Q_OBJECT
public:
    ~CheckedEntryDialog() override;

    // True from creation until OK succeeds; Cancel, Escape and the close box leave it set.
    bool Cancelled() const { return cancelled_; }

    QPushButton* OkButton() const { return bbnOK; }
    QPushButton* CancelButton() const { return bbnCancel; }
    QPushButton* RestoreButton() const { return bbnRestore; }

protected:
    using EntryCheck = CheckedFields::EntryCheck;

    // prompts may be null: message boxes parented to the dialog are used then.
    CheckedEntryDialog(UserPrompts* prompts, QWidget* parent);

    // Creates OK, Cancel and "Restore defaults" (in that tab order, after the fields) and
    // returns their row for the dialog's layout.
    QHBoxLayout* CreateButtons(bool showHints);
    void WatchField(QLineEdit* edit, EntryCheck check);
    // Called by OK once every changed field has passed; stores the values the dialog returns.
    virtual void TakeValues() = 0;
    virtual void RestoreDefaults() = 0;

    QPushButton* bbnOK = nullptr;
    QPushButton* bbnCancel = nullptr;
    QPushButton* bbnRestore = nullptr;

private:
    void bbnOKClick();

    std::unique_ptr<UserPrompts> ownPrompts_;
    CheckedFields* fields_ = nullptr;
    bool cancelled_ = true;
    // Set while a refusal made by a click on OK is still being handled, so that click does
    // not close the dialog straight after the message.
    bool refusedJustNow_ = false;
};

} // namespace corvane
