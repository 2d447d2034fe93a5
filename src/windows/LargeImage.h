#pragma once
// TfrmLargeImagePopup: the large product picture beside the catalog.
#include <QImage>
#include <QWidget>

class QLabel;

namespace corvane {

class TfrmLargeImagePopup : public QWidget {
    Q_OBJECT

public:
    static constexpr int kInitialClientWidth = 600;
    static constexpr int kInitialClientHeight = 250;
    // Gap between the close picture and the window's right and bottom edges.
    static constexpr int kCloseMargin = 4;

    explicit TfrmLargeImagePopup(QWidget* owner = nullptr);

    // Shows the picture file unscaled and makes the client area as wide as the picture (the
    // height stays). A missing or unreadable file leaves the previous picture; returns false.
    bool LoadLargeImage(const QString& fileName);

    // The main window's large-image action: an existing large picture is loaded and shown in
    // normal state; a missing one switches an already shown popup to `noImageFile` and leaves
    // a hidden popup hidden. Returns whether the popup is shown afterwards.
    bool ShowLargePicture(const QString& largeFile, const QString& noImageFile);

    QLabel* Image1() const { return image1_; }
    QLabel* Image2() const { return image2_; }

signals:
    // The popup closed; the owner clears its shown flag.
    void closed();
    // The keyboard should go back to the catalog grid (mouse moved over the picture, wheel).
    void catalogFocusWanted();
    // The wheel turned over the popup; the owner scrolls the catalog grid by this delta.
    void wheelTurned(int angleDeltaY);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceChildren();
    void HandleWheel(QWheelEvent* event);

    QLabel* image1_ = nullptr;
    QLabel* image2_ = nullptr;
};

// The small close picture, drawn here rather than shipped as a file.
QImage DrawClosePicture();

} // namespace corvane
