#include "app/SteppedSpinBox.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

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

QSize SteppedSpinBox::sizeHint() const {
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    // As QSpinBox measures its widest value: the text and room for the cursor.
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2,
                     lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QAbstractSpinBox::StepEnabled SteppedSpinBox::stepEnabled() const {
    return isEnabled() ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

} // namespace corvane
