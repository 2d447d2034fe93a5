#pragma once
// The load detail area between the control strip and the grid: the section's title picture,
// or after a load is clicked, the load's title line and recommended uses.
#include <QImage>
#include <QStackedWidget>

class QLabel;

namespace corvane {

class DetailArea : public QStackedWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 150;

    explicit DetailArea(QWidget* parent = nullptr);

    // Title picture view (mode 3).
    void ShowTitlePicture(const QImage& picture);
    // Detail view (mode 1).
    void ShowLoadTitle(const QString& title, const QString& recommendedUse);
    bool ShowsTitlePicture() const { return currentIndex() == 0; }
    QString Title() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitTitlePicture();

    QLabel* ImageDetailTabPage0 = nullptr;
    QLabel* lblLoadDetailTitleTabPage0 = nullptr;
    QLabel* lblRecommendedUseTabPage0 = nullptr;
    QImage titlePicture_;
};

} // namespace corvane
