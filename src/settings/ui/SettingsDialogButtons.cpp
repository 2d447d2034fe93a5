#include "settings/ui/SettingsDialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace corvane {

SettingsDialogButtons CreateSettingsDialogButtons(QDialog* dialog, bool showHints) {
    SettingsDialogButtons buttons;
    buttons.ok = new QPushButton(QStringLiteral("OK"), dialog);
    buttons.ok->setObjectName(QStringLiteral("bbnOK"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    buttons.cancel->setObjectName(QStringLiteral("bbnCancel"));
    buttons.restore = new QPushButton(QStringLiteral("Restore defaults"), dialog);
    buttons.restore->setObjectName(QStringLiteral("bbnRestore"));
    if (showHints) {
        buttons.restore->setToolTip(QStringLiteral("Restore factory defaults"));
    }
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    buttons.row = new QHBoxLayout;
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.restore);
    return buttons;
}

} // namespace corvane
