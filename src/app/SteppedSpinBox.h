#pragma once
// Spin arrows that are not bound to a value: both arrows always work and only the click and its
// direction are reported. The text shown is set by the owner.
#include "ballistics/PanelStepping.h"

#include <QAbstractSpinBox>

namespace corvane {

class SteppedSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SteppedSpinBox(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;
    void stepBy(int steps) override;
    // Room for the widest value the panel steps to (four digits) beside the arrows, in the font
    // in use.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void stepped(corvane::StepDirection direction);
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
};

} // namespace corvane
