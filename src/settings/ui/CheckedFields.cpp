#include "settings/ui/CheckedFields.h"

#include "common/UserPrompts.h"
#include "common/ui/QtText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace corvane {

CheckedFields::CheckedFields(UserPrompts& prompts, QObject* parent)
    : QObject(parent), prompts_(prompts) {}

void CheckedFields::Watch(QLineEdit* edit, EntryCheck check, Crossing crossing) {
    edit->installEventFilter(this);
    fields_.push_back({edit, std::move(check), crossing});
}

bool CheckedFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening a menu is not leaving the field, and a user
        // on the way to Cancel is not told about an entry that is about to be discarded.
        QWidget* next = QApplication::focusWidget();
        const bool leaving = reason != Qt::ActiveWindowFocusReason &&
                             reason != Qt::PopupFocusReason &&
                             (discarding_ == nullptr || next != discarding_);
        if (leaving) {
            for (const Field& field : fields_) {
                if (field.edit == watched && !CheckField(field)) {
                    emit refusedOnLeaving(next);
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool CheckedFields::Check(QLineEdit* edit) {
    for (const Field& field : fields_) {
        if (field.edit == edit) {
            return CheckField(field);
        }
    }
    return true;
}

bool CheckedFields::CheckAll() {
    for (const Field& field : fields_) {
        if (!CheckField(field)) {
            return false;
        }
    }
    return true;
}

bool CheckedFields::CheckField(const Field& field) {
    // Untouched texts are the window's own: a stored value shown in Metric may round just
    // outside the Metric range and must not be refused for it.
    if (checking_ || !field.edit->isModified()) {
        return true;
    }
    checking_ = true;
    const bool utf8 = field.crossing == Crossing::Utf8;
    const QString typed = field.edit->text();
    const FieldCheck result = field.check(utf8 ? typed.toStdString() : FromQString(typed));
    if (!result.accepted) {
        prompts_.ShowError(result.message);
    }
    // Also clears the modified mark.
    field.edit->setText(utf8 ? QString::fromStdString(result.text) : ToQString(result.text));
    if (!result.accepted) {
        field.edit->setFocus(Qt::OtherFocusReason);
        field.edit->selectAll();
    }
    checking_ = false;
    if (result.accepted) {
        emit accepted(field.edit);
    }
    return result.accepted;
}

} // namespace corvane
