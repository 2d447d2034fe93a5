#pragma once
// The program's help window: the HTML pages installed in the Help folder beside the program,
// reached by topic number (1 the contents, 165 the catalog grid) or by their links.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace corvane {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kContentsTopic = 1;
    static constexpr int kCatalogGridTopic = 165;

    // `helpDir` holds the pages. The window belongs to `owner` and stays above it.
    HelpViewer(const QString& helpDir, QWidget* owner);

    // The page file of a topic; an unknown topic gets the contents page.
    static QString TopicFile(int topic);
    // Shows and raises the window on the topic's page. False, with nothing shown, when the page
    // is not installed.
    bool ShowTopic(int topic);
    // Full path of the page a topic would show.
    QString TopicPath(int topic) const;

    QTextBrowser* Browser() const { return browser_; }

private:
    QString helpDir_;
    QTextBrowser* browser_ = nullptr;
};

} // namespace corvane
