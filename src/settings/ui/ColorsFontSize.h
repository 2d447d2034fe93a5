#pragma once
// "Colors and Font Size Dialog": the seven grid colours and the grid font size. Edits copies;
// the caller takes them with ApplyTo only when the dialog was not cancelled.
#include "settings/AppSettings.h"
#include "settings/DialogChecks.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace corvane {

class TfrmColorsFontSize : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour preset to initial; nothing when the user cancels.
    using ColorChooser =
        std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    explicit TfrmColorsFontSize(const AppSettings& settings, QWidget* parent = nullptr);

    // The system colour chooser (solid colours only) unless replaced, e.g. by a test.
    void SetColorChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }

    // True from creation until OK; Cancel, Escape and the close box leave it set.
    bool Cancelled() const { return cancelled_; }
    // Row 0-6 in the order of kGridColorRows.
    ColorRef RowColor(int row) const { return colors_.at(static_cast<std::size_t>(row)); }
    int FontSize() const;
    // Copies the seven colours and the font size into settings (the grid colours group).
    void ApplyTo(AppSettings& settings) const;

    QPushButton* SetButton(int row) const { return setButtons_.at(static_cast<std::size_t>(row)); }
    QLabel* ColorLabel(int row) const { return colorLabels_.at(static_cast<std::size_t>(row)); }
    QLineEdit* SampleField() const { return EditSample; }
    QSpinBox* FontSizeUpDown() const { return UpDownFontSize; }
    QPushButton* OkButton() const { return bbnOK; }
    QPushButton* CancelButton() const { return bbnCancel; }
    QPushButton* RestoreButton() const { return bbnRestore; }

private:
    void SetRowColor(int row, ColorRef color);
    void ChooseRowColor(int row);
    void UpDownFontSizeClick(int size);
    void bbnRestoreClick();
    void bbnOKClick();

    std::array<ColorRef, kGridColorRows.size()> colors_{};
    std::array<QPushButton*, kGridColorRows.size()> setButtons_{};
    std::array<QLabel*, kGridColorRows.size()> colorLabels_{};
    QLineEdit* EditSample = nullptr;
    QSpinBox* UpDownFontSize = nullptr;
    QPushButton* bbnOK = nullptr;
    QPushButton* bbnCancel = nullptr;
    QPushButton* bbnRestore = nullptr;
    ColorChooser chooser_;
    bool cancelled_ = true;
};

} // namespace corvane
