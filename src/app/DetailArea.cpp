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

    ImageDetailTabPage0 = new QLabel(this);
    ImageDetailTabPage0->setObjectName(QStringLiteral("ImageDetailTabPage0"));
    ImageDetailTabPage0->setAlignment(Qt::AlignCenter);
    ImageDetailTabPage0->setMinimumSize(1, 1);
    addWidget(ImageDetailTabPage0);
    detailPage_ = BuildDetailPage();
    addWidget(detailPage_);
}

DetailArea::~DetailArea() = default;

QWidget* DetailArea::BuildDetailPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Detail"));
    page->installEventFilter(this);

    lblLoadDetailTitleTabPage0 = new QLabel(QStringLiteral("Load Title"), page);
    lblLoadDetailTitleTabPage0->setObjectName(QStringLiteral("lblLoadDetailTitleTabPage0"));
    lblLoadDetailTitleTabPage0->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    lblLoadDetailTitleTabPage0->setFont(titleFont);

    sbnDetailSizeCtrlTabPage0 = new QToolButton(page);
    sbnDetailSizeCtrlTabPage0->setObjectName(QStringLiteral("sbnDetailSizeCtrlTabPage0"));
    sbnDetailSizeCtrlTabPage0->setAutoRaise(true);
    sbnDetailSizeCtrlTabPage0->setFocusPolicy(Qt::NoFocus);
    connect(sbnDetailSizeCtrlTabPage0, &QToolButton::clicked, this, &DetailArea::ToggleDetailSize);

    ImageDetailLeftImageTabPage0 = new QLabel(page);
    ImageDetailLeftImageTabPage0->setObjectName(QStringLiteral("ImageDetailLeftImageTabPage0"));
    ImageDetailLeftImageTabPage0->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageDetailLeftImageTabPage0->installEventFilter(this);

    ListBoxDetailTabPage0 = new QListWidget(page);
    ListBoxDetailTabPage0->setObjectName(QStringLiteral("ListBoxDetailTabPage0"));
    ListBoxDetailTabPage0->setFrameShape(QFrame::NoFrame);
    ListBoxDetailTabPage0->setSelectionMode(QAbstractItemView::NoSelection);
    ListBoxDetailTabPage0->setFocusPolicy(Qt::NoFocus);
    ListBoxDetailTabPage0->setUniformItemSizes(true);
    ListBoxDetailTabPage0->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    productSection_ = new QGroupBox(QStringLiteral("Product Section"), page);
    sbnProductTabPage0 = new QToolButton(productSection_);
    sbnProductTabPage0->setObjectName(QStringLiteral("sbnProductTabPage0"));
    sbnProductTabPage0->setText(QStringLiteral("Packaging"));
    sbnProductTabPage0->setToolTip(QStringLiteral("Display product information"));
    sbnBulletStypeTabPage0 = new QToolButton(productSection_);
    sbnBulletStypeTabPage0->setObjectName(QStringLiteral("sbnBulletStypeTabPage0"));
    sbnBulletStypeTabPage0->setText(QString::fromLatin1(Traits(CatalogTab::Rifle).styleCaption));
    sbnBulletStypeTabPage0->setToolTip(QStringLiteral("Display bullet information"));
    viewButtons_ = new QButtonGroup(this);
    viewButtons_->setExclusive(true);
    auto* buttons = new QHBoxLayout(productSection_);
    buttons->setContentsMargins(4, 2, 4, 4);
    for (QToolButton* button : {sbnProductTabPage0, sbnBulletStypeTabPage0}) {
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        viewButtons_->addButton(button);
        buttons->addWidget(button);
    }
    sbnProductTabPage0->setChecked(true);
    connect(sbnProductTabPage0, &QToolButton::clicked, this, &DetailArea::ShowPackagingView);
    connect(sbnBulletStypeTabPage0, &QToolButton::clicked, this, &DetailArea::ShowStyleView);

    recommendedUse_ = new QGroupBox(QStringLiteral("Recommended Use"), page);
    lblRecommendedUseTabPage0 = new QLabel(recommendedUse_);
    lblRecommendedUseTabPage0->setObjectName(QStringLiteral("lblRecommendedUseTabPage0"));
    lblRecommendedUseTabPage0->setAlignment(Qt::AlignCenter);
    lblRecommendedUseTabPage0->setWordWrap(true);
    QFont useFont(QStringLiteral("Arial"));
    useFont.setPixelSize(15);
    useFont.setBold(true);
    lblRecommendedUseTabPage0->setFont(useFont);
    QPalette navy = lblRecommendedUseTabPage0->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblRecommendedUseTabPage0->setPalette(navy);
    auto* use = new QVBoxLayout(recommendedUse_);
    use->setContentsMargins(4, 2, 4, 4);
    use->addWidget(lblRecommendedUseTabPage0);
    lblRecommendedUseTabPage0->installEventFilter(this);

    ImageDetailLeftImageTabPage0->resize(kDefaultPictureWidth, kPictureHeight);
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
    sbnBulletStypeTabPage0->setText(QString::fromLatin1(Traits(section).styleCaption));
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
    lblLoadDetailTitleTabPage0->setText(title);
    FitTitleFont();
    lblRecommendedUseTabPage0->setText(recommendedUse);
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
    const int listWidth = ListBoxDetailTabPage0->width();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(DetailFontPointSize(listWidth));
    ListBoxDetailTabPage0->setFont(font);
    QPalette text = ListBoxDetailTabPage0->palette();
    text.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    ListBoxDetailTabPage0->setPalette(text);
    ListBoxDetailTabPage0->clear();
    const QFontMetrics metrics(font);
    const TextWidthFn width = [&metrics](std::string_view t) {
        return metrics.horizontalAdvance(ToQString(t));
    };
    for (const std::string& line :
         WrapDescription(descriptionText_, listWidth - kListWrapMargin, width)) {
        auto* item = new QListWidgetItem(ToQString(line), ListBoxDetailTabPage0);
        item->setSizeHint(QSize(0, kListItemHeight));
    }
}

bool DetailArea::LoadDetailImage(const QString& path) {
    largePath_ = QString::fromStdString(LargeImageName(path.toStdString()));
    largeExists_ = !largePath_.isEmpty() && QFileInfo(largePath_).isFile();
    if (largeExists_) {
        ImageDetailLeftImageTabPage0->setToolTip(QStringLiteral("Click to show larger image"));
        ImageDetailLeftImageTabPage0->setCursor(Qt::PointingHandCursor);
    } else {
        ImageDetailLeftImageTabPage0->setToolTip(QString());
        ImageDetailLeftImageTabPage0->unsetCursor();
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
    ImageDetailLeftImageTabPage0->setPixmap(QPixmap::fromImage(
        picture.scaled(width, kPictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    ImageDetailLeftImageTabPage0->resize(width, kPictureHeight);
    const int listWidth = ListBoxDetailTabPage0->width();
    LayoutDetailPage();
    if (ListBoxDetailTabPage0->width() != listWidth) {
        FillDescriptionList();
    }
}

void DetailArea::ShowPlaceholder(const char* fileName) {
    const QImage picture = LoadPicture(PictureFile(fileName));
    if (!picture.isNull()) {
        SetSmallPicture(picture);
        ImageDetailLeftImageTabPage0->repaint();
    }
}

void DetailArea::ShowPackagingView() {
    sbnProductTabPage0->setChecked(true);
    ShowPlaceholder("boxholder.jpg");
    ShowLoadDetail();
    emit catalogFocusWanted();
}

void DetailArea::ShowStyleView() {
    sbnBulletStypeTabPage0->setChecked(true);
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
         {static_cast<QWidget*>(ImageDetailLeftImageTabPage0),
          static_cast<QWidget*>(ListBoxDetailTabPage0), static_cast<QWidget*>(productSection_),
          static_cast<QWidget*>(recommendedUse_)}) {
        body->setVisible(expanded);
    }
    sbnDetailSizeCtrlTabPage0->setArrowType(expanded ? Qt::UpArrow : Qt::DownArrow);
    sbnDetailSizeCtrlTabPage0->setToolTip(expanded ? QStringLiteral("Minimize load detail area")
                                                   : QStringLiteral("Expand load detail area"));
}

bool DetailArea::StyleViewDown() const {
    return sbnBulletStypeTabPage0->isChecked();
}

QString DetailArea::Title() const {
    return lblLoadDetailTitleTabPage0->text();
}

QString DetailArea::RecommendedUse() const {
    return lblRecommendedUseTabPage0->text();
}

QStringList DetailArea::DescriptionLines() const {
    QStringList lines;
    for (int i = 0; i < ListBoxDetailTabPage0->count(); ++i) {
        lines << ListBoxDetailTabPage0->item(i)->text();
    }
    return lines;
}

void DetailArea::resizeEvent(QResizeEvent* event) {
    QStackedWidget::resizeEvent(event);
    FitTitlePicture();
}

bool DetailArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == detailPage_ && event->type() == QEvent::Resize) {
        const int before = ListBoxDetailTabPage0->width();
        LayoutDetailPage();
        FitTitleFont();
        if (ListBoxDetailTabPage0->width() != before) {
            FillDescriptionList();
        }
    } else if (watched == lblRecommendedUseTabPage0 && event->type() == QEvent::Resize) {
        FitRecommendedUseFont();
    } else if (watched == ImageDetailLeftImageTabPage0 &&
               event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SmallPictureClicked();
        return true;
    }
    return QStackedWidget::eventFilter(watched, event);
}

void DetailArea::LayoutDetailPage() {
    const int w = detailPage_->width();
    const int h = std::max(detailPage_->height(), kHeight);
    lblLoadDetailTitleTabPage0->setGeometry(0, 0, w, kTitleHeight);
    sbnDetailSizeCtrlTabPage0->setGeometry(1, 1, kTitleHeight - 1, kTitleHeight - 1);
    sbnDetailSizeCtrlTabPage0->raise();
    const int pictureWidth = ImageDetailLeftImageTabPage0->width();
    ImageDetailLeftImageTabPage0->move(4, kBodyTop + 1);
    const int listLeft = 4 + pictureWidth + kSpacer;
    const int rightLeft = w - kRightColumnWidth - 2;
    ListBoxDetailTabPage0->setGeometry(listLeft, kBodyTop, std::max(1, rightLeft - 4 - listLeft),
                                       h - kBodyTop - 2);
    productSection_->setGeometry(rightLeft, kBodyTop - 2, kRightColumnWidth, 50);
    recommendedUse_->setGeometry(rightLeft, kBodyTop + 50, kRightColumnWidth, h - kBodyTop - 52);
}

void DetailArea::FitTitleFont() {
    QFont font = lblLoadDetailTitleTabPage0->font();
    const QString title = lblLoadDetailTitleTabPage0->text();
    const int size = FitTitlePointSize(lblLoadDetailTitleTabPage0->width(), [&](int points) {
        QFont sized = font;
        sized.setPointSize(points);
        return QFontMetrics(sized).horizontalAdvance(title);
    });
    font.setPointSize(size);
    lblLoadDetailTitleTabPage0->setFont(font);
}

void DetailArea::FitRecommendedUseFont() {
    // Three or more uses need more lines than the box holds at the design's size.
    QLabel* label = lblRecommendedUseTabPage0;
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
        ImageDetailTabPage0->clear();
        return;
    }
    ImageDetailTabPage0->setPixmap(QPixmap::fromImage(
        titlePicture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace corvane
