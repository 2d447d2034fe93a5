#include "app/TwoLineHeaderView.h"

#include "app/CatalogGridModel.h"
#include "common/ui/QtText.h"

#include <QPainter>

namespace corvane {

TwoLineHeaderView::TwoLineHeaderView(const GridLook& look, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), look_(look) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
}

QSize TwoLineHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    if (grid_ != nullptr && grid_->Data().Headings.HeadingRowHeight > 0) {
        size.setHeight(grid_->Data().Headings.HeadingRowHeight);
    }
    return size;
}

void TwoLineHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (grid_ == nullptr || logicalIndex < 0 || logicalIndex >= grid_->Data().ColumnCount()) {
        return;
    }
    const GridHeadings& headings = grid_->Data().Headings;
    const ColumnLayout& column = headings.Columns[static_cast<std::size_t>(logicalIndex)];
    const int h = headings.TextHeight;
    painter->save();
    // A group text runs over the neighbouring columns; each column shows its own part of it.
    painter->setClipRect(rect);
    painter->fillRect(rect, look_.Heading);
    painter->setFont(look_.BoldFont);
    painter->setPen(Qt::black);
    const int ascent = painter->fontMetrics().ascent();
    const std::string& group = headings.GroupTextOf(logicalIndex);
    if (!group.empty()) {
        painter->drawText(rect.left() + column.GroupTextOffset, rect.top() + 4 + ascent,
                          ToQString(group));
    }
    painter->drawText(rect.left() + column.HeadingTextOffset, rect.top() + h + 4 + ascent,
                      ToQString(column.HeadingText));
    DrawLeftBorder(*painter, column, look_, rect, rect.top() + headings.HeadingRowHeight - h);
    if (logicalIndex == grid_->Data().ColumnCount() - 1) {
        DrawRightEdge(*painter, rect);
    }
    painter->restore();
}

} // namespace corvane
