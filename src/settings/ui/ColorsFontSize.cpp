#include "settings/ui/ColorsFontSize.h"

#include "settings/ui/SettingsDialogButtons.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace corvane {
namespace {

QColor ToQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

ColorRef FromQColor(const QColor& color) {
    return MakeColor(color.red(), color.green(), color.blue());
}

std::optional<QColor> SystemColorChooser(const QColor& initial, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

// The object names of the seven "Set" buttons, in row order.
constexpr std::array<const char*, 7> kSetButtonNames{
    "bbnBackground", "bbnHeading",   "bbnSelectedRow", "bbnVelocity",
    "bbnEnergy",     "bbnWindDrift", "bbnTrajectory"};

} // namespace

TfrmColorsFontSize::TfrmColorsFontSize(const AppSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      chooser_(SystemColorChooser) {
    setWindowTitle(QStringLiteral("Colors and Font Size Dialog"));
    setObjectName(QStringLiteral("frmColorsFontSize"));
    const bool hints = settings.ShowHints;

    auto* explanation =
        new QLabel(QStringLiteral("These color and font size settings change the appearance and "
                                  "readability of the data table. "),
                   this);
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);

    auto* rows = new QGridLayout;
    for (std::size_t i = 0; i < kGridColorRows.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* button = new QPushButton(QStringLiteral("Set"), this);
        button->setObjectName(QString::fromLatin1(kSetButtonNames[i]));
        auto* label = new QLabel(QString::fromLatin1(kGridColorRows[i].label), this);
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(180);
        label->setMargin(3);
        setButtons_[i] = button;
        colorLabels_[i] = label;
        SetRowColor(row, settings.*kGridColorRows[i].setting);
        rows->addWidget(button, row, 0);
        rows->addWidget(label, row, 1);
        connect(button, &QPushButton::clicked, this, [this, row] { ChooseRowColor(row); });
    }

    EditSample = new QLineEdit(QStringLiteral("Sample Font Size"), this);
    EditSample->setObjectName(QStringLiteral("EditSample"));
    EditSample->setReadOnly(true);
    EditSample->setFocusPolicy(Qt::NoFocus);
    EditSample->setFont(QFont(QStringLiteral("Arial")));
    UpDownFontSize = new QSpinBox(this);
    UpDownFontSize->setObjectName(QStringLiteral("UpDownFontSize"));
    UpDownFontSize->setRange(kMinGridFontSize, kMaxGridFontSize);
    UpDownFontSize->setSingleStep(1);
    if (hints) {
        UpDownFontSize->setToolTip(QStringLiteral("Set font size"));
    }
    connect(UpDownFontSize, &QSpinBox::valueChanged, this,
            &TfrmColorsFontSize::UpDownFontSizeClick);
    // Set twice so the sample follows even when the size equals the spin box's start value.
    UpDownFontSize->setValue(ClampGridFontSize(settings.GridFontSize));
    UpDownFontSizeClick(UpDownFontSize->value());
    const int fontRow = static_cast<int>(kGridColorRows.size());
    rows->addWidget(UpDownFontSize, fontRow, 0);
    rows->addWidget(EditSample, fontRow, 1);
    rows->setColumnStretch(1, 1);

    const SettingsDialogButtons buttons = CreateSettingsDialogButtons(this, hints);
    bbnOK = buttons.ok;
    bbnCancel = buttons.cancel;
    bbnRestore = buttons.restore;
    connect(bbnOK, &QPushButton::clicked, this, &TfrmColorsFontSize::bbnOKClick);
    connect(bbnRestore, &QPushButton::clicked, this, &TfrmColorsFontSize::bbnRestoreClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(rows);
    layout->addLayout(buttons.row);

    QWidget* previous = setButtons_[0];
    for (std::size_t i = 1; i < setButtons_.size(); ++i) {
        setTabOrder(previous, setButtons_[i]);
        previous = setButtons_[i];
    }
    for (QWidget* next : {static_cast<QWidget*>(UpDownFontSize), static_cast<QWidget*>(bbnOK),
                          static_cast<QWidget*>(bbnCancel), static_cast<QWidget*>(bbnRestore)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    bbnOK->setFocus();
}

int TfrmColorsFontSize::FontSize() const {
    return EditSample->font().pointSize();
}

void TfrmColorsFontSize::ApplyTo(AppSettings& settings) const {
    for (std::size_t i = 0; i < kGridColorRows.size(); ++i) {
        settings.*kGridColorRows[i].setting = colors_[i];
    }
    settings.GridFontSize = FontSize();
}

void TfrmColorsFontSize::SetRowColor(int row, ColorRef color) {
    const auto i = static_cast<std::size_t>(row);
    colors_[i] = color;
    QPalette palette = colorLabels_[i]->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    palette.setColor(QPalette::WindowText, Qt::black);
    colorLabels_[i]->setPalette(palette);
}

void TfrmColorsFontSize::ChooseRowColor(int row) {
    if (const std::optional<QColor> chosen = chooser_(ToQColor(RowColor(row)), this)) {
        SetRowColor(row, FromQColor(*chosen));
    }
}

void TfrmColorsFontSize::UpDownFontSizeClick(int size) {
    QFont font = EditSample->font();
    font.setPointSize(size);
    EditSample->setFont(font);
}

void TfrmColorsFontSize::bbnRestoreClick() {
    for (std::size_t i = 0; i < kGridColorRows.size(); ++i) {
        SetRowColor(static_cast<int>(i), kGridColorRows[i].factoryDefault);
    }
    UpDownFontSize->setValue(kFactoryGridFontSize);
}

void TfrmColorsFontSize::bbnOKClick() {
    cancelled_ = false;
    accept();
}

} // namespace corvane
