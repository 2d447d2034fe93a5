#include "app/SteppedSpinBox.h"

#include <QLineEdit>

namespace corvane {

SteppedSpinBox::SteppedSpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    setAlignment(Qt::AlignRight);
    setFocusPolicy(Qt::StrongFocus);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SteppedSpinBox::textChanged);
}

void SteppedSpinBox::SetText(const QString& text) {
    lineEdit()->setText(text);
}

QString SteppedSpinBox::Text() const {
    return lineEdit()->text();
}

void SteppedSpinBox::stepBy(int steps) {
    if (steps != 0) {
        emit stepped(steps > 0 ? StepDirection::Up : StepDirection::Down);
    }
}

QAbstractSpinBox::StepEnabled SteppedSpinBox::stepEnabled() const {
    return isEnabled() ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

} // namespace corvane
