#pragma once
// The load detail area between the control strip and the grid: the section's title picture,
// or after a load is clicked, the load's title line, recommended uses, a picture and the
// word-wrapped description of its packaging or its bullet style.
#include "catalog/Descriptions.h"
#include "catalog/SectionTraits.h"

#include <QImage>
#include <QStackedWidget>

#include <filesystem>
#include <memory>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QToolButton;

namespace corvane {

class UserPrompts;

class DetailArea : public QStackedWidget {
    Q_OBJECT
public:
    // The section's title picture, or the clicked load's title, picture and description.
    enum class DisplayMode { LoadDetail, TitlePicture };
    static constexpr int kHeight = 150;
    static constexpr int kShrunkHeight = 23;
    static constexpr int kPictureHeight = 125;
    static constexpr int kDefaultPictureWidth = 116;

    explicit DetailArea(QWidget* parent = nullptr);
    ~DetailArea() override;

    // The folder of "descriptions.ini" and the pictures, and where file errors are shown.
    void Attach(const std::filesystem::path& productInfoDir, UserPrompts& prompts);

    // The section whose loads are shown: the style button's caption and the descriptions.
    void SetSection(CatalogTab section);
    void SetDisplayMode(DisplayMode mode, const QString& picturePath = {});
    // Title picture view with an already loaded picture; a null picture keeps the previous one.
    void ShowTitlePicture(const QImage& picture);
    // The clicked load's title line (its font fitted to the width) and recommended uses;
    // switches to the detail view. The keys are Windows-1252 names for the descriptions.
    void ShowLoadTitle(const QString& title, const QString& recommendedUse);
    void SetLoadKeys(const std::string& brandKey, const std::string& styleKey);
    // Picture and description of the current view for the last clicked load.
    void ShowLoadDetail();
    // Shows the picture keeping its proportions; false (picture unchanged) when it cannot be
    // loaded.
    bool LoadDetailImage(const QString& path);

    // Handlers, public for the tests.
    void ShowPackagingView();
    void ShowStyleView();
    void ToggleDetailSize();
    void SmallPictureClicked();

    bool ShowsTitlePicture() const { return currentIndex() == 0; }
    bool StyleViewDown() const;
    QString Title() const;
    QString RecommendedUse() const;
    QStringList DescriptionLines() const;
    // Path of the large form of the small picture, and whether that file exists.
    QString LargeImagePath() const { return largePath_; }
    bool LargeImageExists() const { return largeExists_; }
    QLabel* TitleLabel() const { return titleLabel_; }
    QLabel* SmallPicture() const { return smallPicture_; }
    QListWidget* DescriptionList() const { return descriptionList_; }
    QToolButton* SizeButton() const { return sizeButton_; }
    QToolButton* ProductButton() const { return productButton_; }
    QToolButton* StyleButton() const { return styleButton_; }

signals:
    // The small picture was clicked and its large form exists.
    void largePictureClicked(const QString& largeFile);
    // A new small picture is showing; the popup follows it while shown.
    void largePictureChanged(const QString& largeFile);
    // The keyboard should go back to the catalog grid.
    void catalogFocusWanted();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildDetailPage();
    void LayoutDetailPage();
    void FitTitlePicture();
    void FitTitleFont();
    void FitRecommendedUseFont();
    void FillDescriptionList();
    void ShowPlaceholder(const char* fileName);
    void SetSmallPicture(const QImage& picture);
    void SetExpanded(bool expanded);
    QString PictureFile(const std::string& name) const;

    QLabel* titlePictureLabel_ = nullptr;
    QWidget* detailPage_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QToolButton* sizeButton_ = nullptr;
    QLabel* smallPicture_ = nullptr;
    QListWidget* descriptionList_ = nullptr;
    QGroupBox* productSection_ = nullptr;
    QToolButton* productButton_ = nullptr;
    QToolButton* styleButton_ = nullptr;
    QButtonGroup* viewButtons_ = nullptr;
    QGroupBox* recommendedUse_ = nullptr;
    QLabel* recommendedUseText_ = nullptr;

    std::filesystem::path productInfoDir_;
    UserPrompts* prompts_ = nullptr;
    std::unique_ptr<Descriptions> descriptions_;
    QImage titlePicture_;
    CatalogTab section_ = CatalogTab::Rifle;
    std::string brandKey_;
    std::string styleKey_;
    std::string descriptionText_;
    QString largePath_;
    bool largeExists_ = false;
};

} // namespace corvane
