#pragma once
// The full-window splash picture with its seven hot areas: six catalog sections and the
// Zora Raduzu. Hovering frames an area; a click reports it.
#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>

namespace corvane {

class SplashPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAreaCount = 7;
    static constexpr int kExpertArea = 6;
    // Page size the hot areas were designed on when there is no picture.
    static constexpr QSize kDesignSize{792, 572};

    explicit SplashPage(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    // Frames area i (0-6), or none for -1.
    void HighlightSplashItem(int area);
    int HighlightedArea() const { return highlighted_; }
    // Places the hot areas for the current size.
    void ScaleSplashOverlays();
    QRect AreaRect(int area) const { return areas_[static_cast<std::size_t>(area)]; }
    int FramePenWidth(int area) const { return penWidths_[static_cast<std::size_t>(area)]; }
    int AreaAt(QPoint pos) const;

signals:
    void hotAreaClicked(int area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage picture_;
    std::array<QRect, kAreaCount> areas_{};
    std::array<int, kAreaCount> penWidths_{};
    int highlighted_ = -1;
};

} // namespace corvane
