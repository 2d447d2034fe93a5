#pragma once
// The report printing engine: page composition in inches over a QPainter on any paint device
// (printer, PDF writer, preview, or an image in tests). Text is placed on a current print line
// whose baseline is YPos; tabs lay a line out in justified, optionally boxed and shaded cells.
// The painter's origin must be the paper's top-left corner.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace corvane {

// The printed pages' typeface, and the room between a table cell's frame and its text (inches).
inline QString ReportTypeface() {
    return QStringLiteral("Times New Roman");
}
inline constexpr double kReportCellMargin = 0.05;

enum class TabJustify { Left, Center, Right };

// Box lines of a tab; combine with |.
enum BoxLine : unsigned {
    BoxLineNone = 0,
    BoxLineLeft = 1,
    BoxLineRight = 2,
    BoxLineTop = 4,
    BoxLineBottom = 8,
    BoxLineAll = 15,
};

// The paper and the report's margins, in inches.
struct ReportPageSize {
    double Width = 8.5;
    double Height = 11.0;
    double LeftMargin = 0.5;
    double RightMargin = 0.5;
    double TopMargin = 0.5;
    double BottomMargin = 0.5;
};

// The report's font names are those of the original platform; they are served by the
// metric-compatible Liberation fonts. Safe to call more than once.
void InstallReportFontSubstitutes();

class ReportEngine {
public:
    // `painter` must be active on its device for the engine's whole life.
    ReportEngine(QPainter& painter, const ReportPageSize& page);

    const ReportPageSize& Page() const { return page_; }

    // A picture stretched into the rectangle (x1, y1)-(x2, y2). A null picture draws nothing.
    void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage& picture);

    // Pen for lines and box lines; width in inches.
    void SetPen(const QColor& color, Qt::PenStyle style, double width);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);

    // Font by name and size in points; resets bold, italic and underline, and the line height
    // follows the font.
    void SetFont(const QString& name, double points);
    void SetBold(bool bold);
    bool Bold() const { return font_.bold(); }
    double LineHeight() const { return lineHeight_; }
    // Vertical print position: the baseline of the current line.
    void SetYPos(double y) { yPos_ = y; }
    double YPos() const { return yPos_; }

    void PrintCenter(const QString& text, double x);
    // Text holding tab characters: each tab character moves to the next defined tab, and the
    // text after it is justified in that tab (with its shade and box lines). Text before the
    // first tab character is printed at the current position. Text past the last tab is
    // dropped.
    void PrintTab(const QString& text);
    void PrintlnTab(const QString& text);
    void NewLine();

    void ClearTabs();
    // A tab from `left` (nullopt: directly after the previous tab) of `width`, with a margin
    // kept from the edge the text is justified to, box lines and a shade of the tab shade
    // colour in per cent (0: no fill).
    void SetTab(std::optional<double> left, TabJustify justify, double width, double margin,
                unsigned boxLines, int shadePercent);
    void SetTabShadeColor(const QColor& color) { shadeColor_ = color; }
    QColor TabShadeColor() const { return shadeColor_; }
    int TabCount() const { return static_cast<int>(tabs_.size()); }

    // Width in inches of a text in the current font.
    double TextWidth(const QString& text) const;

private:
    struct Tab {
        double Left;
        double Width;
        TabJustify Justify;
        double Margin;
        unsigned BoxLines;
        int ShadePercent;
    };

    QPointF ToDevice(double x, double y) const;
    void DrawText(double x, const QString& text);
    void PrintInTab(const Tab& tab, const QString& text);
    void UpdateLineHeight();

    QPainter& painter_;
    ReportPageSize page_;
    double dpiX_;
    double dpiY_;
    QFont font_;
    QPen pen_;
    QPointF penPos_;
    double yPos_;
    double xPos_;
    double lineHeight_ = 0;
    double descent_ = 0;
    std::vector<Tab> tabs_;
    int currentTab_ = -1; // the tab last printed into on this line
    QColor shadeColor_ = Qt::white;
};

// The head every printed page starts with: the header picture centred at the top, a rule under
// it and the title in 16 pt bold; the font stays bold at 16 pt and the pen thin.
void PrintPageHead(ReportEngine& r, const QImage& header, const QString& title);

} // namespace corvane
