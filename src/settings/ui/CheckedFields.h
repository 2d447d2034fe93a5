#pragma once
// Entry fields that check themselves when the user leaves them (or presses Enter in them): a
// refused entry is reported in an error box, the field gets the check's text and the focus
// back; an accepted one is tidied. The settings dialogs and the own loads window share it.
#include "settings/DialogChecks.h"

#include <QObject>

#include <functional>
#include <string_view>
#include <vector>

class QLineEdit;
class QWidget;

namespace corvane {

class UserPrompts;

class CheckedFields : public QObject {
    Q_OBJECT
public:
    using EntryCheck = std::function<FieldCheck(std::string_view text)>;
    // How a field's text reaches its check: the core's Windows-1252 numbers, or UTF-8 for
    // texts the user may write in any script (names).
    enum class Crossing { Cp1252, Utf8 };

    CheckedFields(UserPrompts& prompts, QObject* parent);

    void Watch(QLineEdit* edit, EntryCheck check, Crossing crossing = Crossing::Cp1252);
    // Leaving a field for this widget (Cancel) discards the entry rather than checking it.
    void SetDiscarding(QWidget* widget) { discarding_ = widget; }

    // Checks one field, or every field, changed since its text was last set; false when one
    // was refused (the focus is on it then).
    bool Check(QLineEdit* edit);
    bool CheckAll();

signals:
    // A changed entry passed its check; its tidied text is in the field.
    void accepted(QLineEdit* edit);
    // An entry left for `next` was refused.
    void refusedOnLeaving(QWidget* next);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QLineEdit* edit;
        EntryCheck check;
        Crossing crossing;
    };
    bool CheckField(const Field& field);

    UserPrompts& prompts_;
    std::vector<Field> fields_;
    QWidget* discarding_ = nullptr;
    bool checking_ = false;
};

} // namespace corvane
