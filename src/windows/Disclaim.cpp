#include "windows/Disclaim.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {
namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // ampersands stay as they are
    label->setWordWrap(true);
    return label;
}

} // namespace

TDisclaimForm::TDisclaimForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Disclaimer"));
    setObjectName(QStringLiteral("DisclaimForm"));
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);

    auto* Label4 = new QLabel(QStringLiteral("Corvane Ammunition Company"), this);
    QFont headingFont(QStringLiteral("Arial"));
    headingFont.setPixelSize(20);
    headingFont.setBold(true);
    Label4->setFont(headingFont);
    Label4->setAlignment(Qt::AlignCenter);
    auto* Label7 = new QLabel(
        QStringLiteral("1200 Ridgeline Road, Harlow Falls, ID 83999\nTelephone (555) 010-0199"),
        this);
    Label7->setAlignment(Qt::AlignCenter);

    auto* GroupBox1 = new QGroupBox(QStringLiteral(" Disclaimer "), this);
    Label5 = WrappedLabel(
        QStringLiteral(
            "Because methods used to calculate ballistics values have changed over time, "
            "some calculated values in this software may not exactly match those of "
            "the printed catalog.  It is also possible that errors were introduced "
            "during the production of"),
        GroupBox1);
    Label6 = WrappedLabel(
        QStringLiteral("this software, or that errors may have been present in the original data.  "
                       "YOU AGREE to take full responsibility for your use of the data contained "
                       "in this software."),
        GroupBox1);
    auto* groupLayout = new QVBoxLayout(GroupBox1);
    groupLayout->setSpacing(0);
    groupLayout->addWidget(Label5);
    groupLayout->addWidget(Label6);

    BitBtn1 = new QPushButton(QStringLiteral("&Yes, I Agree"), this);
    BitBtn1->setToolTip(QStringLiteral("Continue"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&No, I Disagree"), this);
    BitBtn2->setToolTip(QStringLiteral("Will exit the program"));
    connect(BitBtn1, &QPushButton::clicked, this, &TDisclaimForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TDisclaimForm::BitBtn2Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addSpacing(24);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(Label7);
    layout->addSpacing(8);
    layout->addWidget(GroupBox1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // A dialog border: the user cannot change the size, so no window manager offers to maximise.
    constexpr int kWidth = 480;
    setFixedSize(kWidth, heightForWidth(kWidth));
}

QString TDisclaimForm::DisclaimerText() const {
    return Label5->text() + Label6->text();
}

void TDisclaimForm::keyPressEvent(QKeyEvent* event) {
    // Escape presses "No, I Disagree"; other ways of closing leave the answer at 0.
    if (event->key() == Qt::Key_Escape) {
        BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDisclaimForm::BitBtn1Click() {
    declined_ = false;
    accept();
}

void TDisclaimForm::BitBtn2Click() {
    declined_ = true;
    reject();
}

} // namespace corvane
