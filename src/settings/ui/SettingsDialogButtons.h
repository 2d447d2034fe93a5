#pragma once
// The OK / Cancel / "Restore defaults" row the settings dialogs share.
class QDialog;
class QHBoxLayout;
class QPushButton;

namespace corvane {

struct SettingsDialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* restore = nullptr;
    QHBoxLayout* row = nullptr; // OK and Cancel on the left, restore on the right
};

// Creates the three buttons in `dialog` (OK is the default button, Cancel rejects); the caller
// connects OK and restore to its own handlers.
SettingsDialogButtons CreateSettingsDialogButtons(QDialog* dialog, bool showHints);

} // namespace corvane
