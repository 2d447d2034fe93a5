#pragma once
// The disclaimer shown once at start-up; the user accepts it or the program ends.
#include <QDialog>

class QLabel;
class QPushButton;

namespace corvane {

class TDisclaimForm : public QDialog {
    Q_OBJECT
public:
    explicit TDisclaimForm(QWidget* owner = nullptr);

    // True after "No, I Disagree" (or Escape).
    bool Declined() const { return declined_; }

    QPushButton* AgreeButton() const { return BitBtn1; }
    QPushButton* DisagreeButton() const { return BitBtn2; }
    QString DisclaimerText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BitBtn1Click();
    void BitBtn2Click();

    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    bool declined_ = false;
};

} // namespace corvane
