#include "app/DetailArea.h"

#include "app/Pictures.h"
#include "catalog/Catalog.h"
#include "catalog/DetailText.h"
#include "common/TextUtil.h"
#include "common/UserPrompts.h"
#include "common/ui/QtText.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace corvane {
namespace {

constexpr int kTitleHeight = 19;
constexpr int kBodyTop = 21;
constexpr int kSpacer = 10;
constexpr int kRightColumnWidth = 210;
constexpr int kListItemHeight = 17;
// The description wraps this much inside the list box width.
constexpr int kListWrapMargin = 32;

} // namespace

DetailArea::DetailArea(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("pnlDetailTabPage0"));
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);

    titlePictureLabel_ = new QLabel(this);
    titlePictureLabel_->setObjectName(QStringLiteral("ImageDetailTabPage0"));
    titlePictureLabel_->setAlignment(Qt::AlignCenter);
    titlePictureLabel_->setMinimumSize(1, 1);
    addWidget(titlePictureLabel_);
    detailPage_ = BuildDetailPage();
    addWidget(detailPage_);
}

DetailArea::~DetailArea() = default;

QWidget* DetailArea::BuildDetailPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Detail"));
    page->installEventFilter(this);

    titleLabel_ = new QLabel(QStringLiteral("Load Title"), page);
    titleLabel_->setObjectName(QStringLiteral("lblLoadDetailTitleTabPage0"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);

    sizeButton_ = new QToolButton(page);
    sizeButton_->setObjectName(QStringLiteral("sbnDetailSizeCtrlTabPage0"));
    sizeButton_->setAutoRaise(true);
    sizeButton_->setFocusPolicy(Qt::NoFocus);
    connect(sizeButton_, &QToolButton::clicked, this, &DetailArea::ToggleDetailSize);

    smallPicture_ = new QLabel(page);
    smallPicture_->setObjectName(QStringLiteral("ImageDetailLeftImageTabPage0"));
    smallPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    smallPicture_->installEventFilter(this);

    descriptionList_ = new QListWidget(page);
    descriptionList_->setObjectName(QStringLiteral("ListBoxDetailTabPage0"));
    descriptionList_->setFrameShape(QFrame::NoFrame);
    descriptionList_->setSelectionMode(QAbstractItemView::NoSelection);
    descriptionList_->setFocusPolicy(Qt::NoFocus);
    descriptionList_->setUniformItemSizes(true);
    descriptionList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    productSection_ = new QGroupBox(QStringLiteral("Product Section"), page);
    productButton_ = new QToolButton(productSection_);
    productButton_->setObjectName(QStringLiteral("sbnProductTabPage0"));
    productButton_->setText(QStringLiteral("Packaging"));
    productButton_->setToolTip(QStringLiteral("Display product information"));
    styleButton_ = new QToolButton(productSection_);
    styleButton_->setObjectName(QStringLiteral("sbnBulletStypeTabPage0"));
    styleButton_->setText(QString::fromLatin1(Traits(CatalogTab::Rifle).styleCaption));
    styleButton_->setToolTip(QStringLiteral("Display bullet information"));
    viewButtons_ = new QButtonGroup(this);
    viewButtons_->setExclusive(true);
    auto* buttons = new QHBoxLayout(productSection_);
    buttons->setContentsMargins(4, 2, 4, 4);
    for (QToolButton* button : {productButton_, styleButton_}) {
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        viewButtons_->addButton(button);
        buttons->addWidget(button);
    }
    productButton_->setChecked(true);
    connect(productButton_, &QToolButton::clicked, this, &DetailArea::ShowPackagingView);
    connect(styleButton_, &QToolButton::clicked, this, &DetailArea::ShowStyleView);

    recommendedUse_ = new QGroupBox(QStringLiteral("Recommended Use"), page);
    recommendedUseText_ = new QLabel(recommendedUse_);
    recommendedUseText_->setObjectName(QStringLiteral("lblRecommendedUseTabPage0"));
    recommendedUseText_->setAlignment(Qt::AlignCenter);
    recommendedUseText_->setWordWrap(true);
    QFont useFont(QStringLiteral("Arial"));
    useFont.setPixelSize(15);
    useFont.setBold(true);
    recommendedUseText_->setFont(useFont);
    QPalette navy = recommendedUseText_->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    recommendedUseText_->setPalette(navy);
    auto* use = new QVBoxLayout(recommendedUse_);
    use->setContentsMargins(4, 2, 4, 4);
    use->addWidget(recommendedUseText_);
    recommendedUseText_->installEventFilter(this);

    smallPicture_->resize(kDefaultPictureWidth, kPictureHeight);
    SetExpanded(true);
    return page;
}

void DetailArea::Attach(const std::filesystem::path& productInfoDir, UserPrompts& prompts) {
    productInfoDir_ = productInfoDir;
    prompts_ = &prompts;
    descriptions_ = std::make_unique<Descriptions>(productInfoDir);
}

void DetailArea::SetSection(CatalogTab section) {
    section_ = section;
    styleButton_->setText(QString::fromLatin1(Traits(section).styleCaption));
}

void DetailArea::SetDisplayMode(DisplayMode mode, const QString& picturePath) {
    setFixedHeight(kHeight);
    if (mode == DisplayMode::LoadDetail) {
        setCurrentIndex(1);
        SetExpanded(true);
        return;
    }
    setCurrentIndex(0);
    if (!picturePath.isEmpty() && QFileInfo(picturePath).isFile()) {
        const QImage picture = LoadPicture(picturePath);
        if (!picture.isNull()) {
            titlePicture_ = picture;
        }
    }
    FitTitlePicture();
}

void DetailArea::ShowTitlePicture(const QImage& picture) {
    if (!picture.isNull()) {
        titlePicture_ = picture;
    }
    SetDisplayMode(DisplayMode::TitlePicture);
}

void DetailArea::ShowLoadTitle(const QString& title, const QString& recommendedUse) {
    if (ShowsTitlePicture()) {
        SetDisplayMode(DisplayMode::LoadDetail);
    }
    titleLabel_->setText(title);
    FitTitleFont();
    recommendedUseText_->setText(recommendedUse);
    FitRecommendedUseFont();
}

void DetailArea::SetLoadKeys(const std::string& brandKey, const std::string& styleKey) {
    brandKey_ = brandKey;
    styleKey_ = styleKey;
}

QString DetailArea::PictureFile(const std::string& name) const {
    return QString::fromStdString(productInfoDir_.string()) + QLatin1Char('/') + ToQString(name);
}

void DetailArea::ShowLoadDetail() {
    if (!descriptions_) {
        return;
    }
    const bool style = StyleViewDown();
    const DescriptionKind kind = style ? DescriptionKind::Bullet : DescriptionKind::Brand;
    const std::string& key = style ? styleKey_ : brandKey_;
    const CatalogTab tab = section_;
    std::string name;
    try {
        name = Trim(descriptions_->GetDescription(tab, PictureKindOf(kind), key));
        descriptionText_ = descriptions_->GetDescription(tab, kind, key);
    } catch (const CatalogFileError& error) {
        // One message per attempt; the old description must not stay beside the new title.
        name.clear();
        descriptionText_.clear();
        if (prompts_ != nullptr) {
            prompts_->ShowError(error.what());
        }
    }
    LoadDetailImage(PictureFile(name.empty() ? std::string("noimage.jpg") : name));
    FillDescriptionList();
}

void DetailArea::FillDescriptionList() {
    const int listWidth = descriptionList_->width();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(DetailFontPointSize(listWidth));
    descriptionList_->setFont(font);
    QPalette text = descriptionList_->palette();
    text.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    descriptionList_->setPalette(text);
    descriptionList_->clear();
    const QFontMetrics metrics(font);
    const TextWidthFn width = [&metrics](std::string_view t) {
        return metrics.horizontalAdvance(ToQString(t));
    };
    for (const std::string& line :
         WrapDescription(descriptionText_, listWidth - kListWrapMargin, width)) {
        auto* item = new QListWidgetItem(ToQString(line), descriptionList_);
        item->setSizeHint(QSize(0, kListItemHeight));
    }
}

bool DetailArea::LoadDetailImage(const QString& path) {
    largePath_ = QString::fromStdString(LargeImageName(path.toStdString()));
    largeExists_ = !largePath_.isEmpty() && QFileInfo(largePath_).isFile();
    if (largeExists_) {
        smallPicture_->setToolTip(QStringLiteral("Click to show larger image"));
        smallPicture_->setCursor(Qt::PointingHandCursor);
    } else {
        smallPicture_->setToolTip(QString());
        smallPicture_->unsetCursor();
    }
    const QImage picture = LoadPicture(path);
    if (picture.isNull()) {
        return false;
    }
    SetSmallPicture(picture);
    emit largePictureChanged(largePath_);
    return true;
}

void DetailArea::SetSmallPicture(const QImage& picture) {
    const double ratio = static_cast<double>(picture.width()) / picture.height();
    const int width = std::max(1, static_cast<int>(std::lround(kPictureHeight * ratio)));
    smallPicture_->setPixmap(QPixmap::fromImage(
        picture.scaled(width, kPictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    smallPicture_->resize(width, kPictureHeight);
    const int listWidth = descriptionList_->width();
    LayoutDetailPage();
    if (descriptionList_->width() != listWidth) {
        FillDescriptionList();
    }
}

void DetailArea::ShowPlaceholder(const char* fileName) {
    const QImage picture = LoadPicture(PictureFile(fileName));
    if (!picture.isNull()) {
        SetSmallPicture(picture);
        smallPicture_->repaint();
    }
}

void DetailArea::ShowPackagingView() {
    productButton_->setChecked(true);
    ShowPlaceholder("boxholder.jpg");
    ShowLoadDetail();
    emit catalogFocusWanted();
}

void DetailArea::ShowStyleView() {
    styleButton_->setChecked(true);
    ShowPlaceholder("styleholder.jpg");
    ShowLoadDetail();
    emit catalogFocusWanted();
}

void DetailArea::ToggleDetailSize() {
    SetExpanded(height() < kShrunkHeight + 1);
}

void DetailArea::SmallPictureClicked() {
    if (largeExists_) {
        emit largePictureClicked(largePath_);
    }
}

void DetailArea::SetExpanded(bool expanded) {
    setFixedHeight(expanded ? kHeight : kShrunkHeight);
    // Only the title line shows while shrunk.
    for (QWidget* body :
         {static_cast<QWidget*>(smallPicture_), static_cast<QWidget*>(descriptionList_),
          static_cast<QWidget*>(productSection_), static_cast<QWidget*>(recommendedUse_)}) {
        body->setVisible(expanded);
    }
    sizeButton_->setArrowType(expanded ? Qt::UpArrow : Qt::DownArrow);
    sizeButton_->setToolTip(expanded ? QStringLiteral("Minimize load detail area")
                                     : QStringLiteral("Expand load detail area"));
}

bool DetailArea::StyleViewDown() const {
    return styleButton_->isChecked();
}

QString DetailArea::Title() const {
    return titleLabel_->text();
}

QString DetailArea::RecommendedUse() const {
    return recommendedUseText_->text();
}

QStringList DetailArea::DescriptionLines() const {
    QStringList lines;
    for (int i = 0; i < descriptionList_->count(); ++i) {
        lines << descriptionList_->item(i)->text();
    }
    return lines;
}

void DetailArea::resizeEvent(QResizeEvent* event) {
    QStackedWidget::resizeEvent(event);
    FitTitlePicture();
}

bool DetailArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == detailPage_ && event->type() == QEvent::Resize) {
        const int before = descriptionList_->width();
        LayoutDetailPage();
        FitTitleFont();
        if (descriptionList_->width() != before) {
            FillDescriptionList();
        }
    } else if (watched == recommendedUseText_ && event->type() == QEvent::Resize) {
        FitRecommendedUseFont();
    } else if (watched == smallPicture_ && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SmallPictureClicked();
        return true;
    }
    return QStackedWidget::eventFilter(watched, event);
}

void DetailArea::LayoutDetailPage() {
    const int w = detailPage_->width();
    const int h = std::max(detailPage_->height(), kHeight);
    titleLabel_->setGeometry(0, 0, w, kTitleHeight);
    sizeButton_->setGeometry(1, 1, kTitleHeight - 1, kTitleHeight - 1);
    sizeButton_->raise();
    const int pictureWidth = smallPicture_->width();
    smallPicture_->move(4, kBodyTop + 1);
    const int listLeft = 4 + pictureWidth + kSpacer;
    const int rightLeft = w - kRightColumnWidth - 2;
    descriptionList_->setGeometry(listLeft, kBodyTop, std::max(1, rightLeft - 4 - listLeft),
                                  h - kBodyTop - 2);
    productSection_->setGeometry(rightLeft, kBodyTop - 2, kRightColumnWidth, 50);
    recommendedUse_->setGeometry(rightLeft, kBodyTop + 50, kRightColumnWidth, h - kBodyTop - 52);
}

void DetailArea::FitTitleFont() {
    QFont font = titleLabel_->font();
    const QString title = titleLabel_->text();
    const int size = FitTitlePointSize(titleLabel_->width(), [&](int points) {
        QFont sized = font;
        sized.setPointSize(points);
        return QFontMetrics(sized).horizontalAdvance(title);
    });
    font.setPointSize(size);
    titleLabel_->setFont(font);
}

void DetailArea::FitRecommendedUseFont() {
    // Three or more uses need more lines than the box holds at the design's size.
    QLabel* label = recommendedUseText_;
    const QRect box = label->contentsRect();
    QFont font = label->font();
    font.setPixelSize(FitRecommendedUsePixelSize(box.height(), [&](int pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        return QFontMetrics(sized)
            .boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, label->text())
            .height();
    }));
    label->setFont(font);
}

void DetailArea::FitTitlePicture() {
    if (titlePicture_.isNull()) {
        titlePictureLabel_->clear();
        return;
    }
    titlePictureLabel_->setPixmap(QPixmap::fromImage(
        titlePicture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace corvane
