#include "app/HelpViewer.h"

#include "common/ui/QtScreenPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace corvane {

HelpViewer::HelpViewer(const QString& helpDir, QWidget* owner)
    : QWidget(owner, Qt::Window), helpDir_(helpDir) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Corvane Ammo Catalog Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({helpDir_});

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    auto* close = new QPushButton(QStringLiteral("C&lose"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kContentsTopic); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(560, 620);
}

QString HelpViewer::TopicFile(int topic) {
    switch (topic) {
    case kCatalogGridTopic:
        return QStringLiteral("catalog-grid.html");
    default:
        return QStringLiteral("index.html");
    }
}

QString HelpViewer::TopicPath(int topic) const {
    return QDir(helpDir_).filePath(TopicFile(topic));
}

bool HelpViewer::ShowTopic(int topic) {
    const QString path = TopicPath(topic);
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
    if (!isVisible()) {
        PlaceWindow(*this, parentWidget(), Placement::BesideOwner);
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    return true;
}

} // namespace corvane
