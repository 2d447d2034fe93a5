#include "app/CatalogGridView.h"

#include "app/CatalogGridModel.h"
#include "app/TwoLineHeaderView.h"
#include "common/ui/QtText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace corvane {
namespace {

class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(const CatalogGridView& view, const GridLook& look)
        : QStyledItemDelegate(const_cast<CatalogGridView*>(&view)), view_(view), look_(look) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const GridData& data = view_.Data();
        const int row = CatalogGridModel::GridRow(index.row());
        const auto c = static_cast<std::size_t>(index.column());
        if (c >= data.Headings.Columns.size()) {
            return;
        }
        const ColumnLayout& column = data.Headings.Columns[c];
        const QRect& r = option.rect;
        painter->save();
        painter->setClipRect(r);
        QColor fill = look_.Grid;
        if (column.Coloured) {
            fill = view_.currentIndex() == index ? look_.Highlight : ToQColor(column.Color);
        }
        if (row == view_.SelectedRow()) {
            fill = look_.HighlightBar;
        }
        painter->fillRect(r, fill);
        const bool footNote = static_cast<int>(c) == data.Headings.Index.FootNote;
        QFont font = look_.Font;
        font.setBold(footNote);
        painter->setFont(font);
        painter->setPen(footNote ? QColor(Qt::red) : QColor(Qt::black));
        const int x = footNote ? r.left() : r.left() + 2;
        const int y = (footNote ? r.top() : r.top() + 2) + painter->fontMetrics().ascent();
        painter->drawText(x, y, index.data().toString());
        const auto gridRow = static_cast<std::size_t>(row);
        if (gridRow < data.RowSeparators.size() && data.RowSeparators[gridRow]) {
            painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
        }
        DrawLeftBorder(*painter, column, look_, r, r.top());
        if (index.column() == data.ColumnCount() - 1) {
            DrawRightEdge(*painter, r);
        }
        const QVariant compared = index.data(CatalogGridModel::kComparedRole);
        if (compared.isValid()) {
            DrawComparedMark(*painter, r, compared.toInt(), index.column() == 0);
        }
        painter->restore();
    }

private:
    const CatalogGridView& view_;
    const GridLook& look_;
};

} // namespace

CatalogGridView::CatalogGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("MainGrid"));
    setToolTip(QStringLiteral("Click load to display information"));
    model_ = new CatalogGridModel(this);
    header_ = new TwoLineHeaderView(look_, this);
    header_->SetGridModel(model_);
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new GridCellDelegate(*this, look_));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ApplyGridColors(AppSettings{});
}

void CatalogGridView::ApplyGridColors(const AppSettings& settings) {
    look_.Heading = ToQColor(settings.clHeading);
    look_.HighlightBar = ToQColor(settings.clHighlightBar);
    look_.Grid = ToQColor(settings.clGrid);
    look_.Highlight = palette().color(QPalette::Highlight);
    look_.BorderShadow = QColor(160, 160, 160);
    look_.Font = QFont(QStringLiteral("Arial"));
    look_.Font.setPointSize(std::max(1, static_cast<int>(settings.GridFontSize)));
    look_.BoldFont = look_.Font;
    look_.BoldFont.setBold(true);
    setFont(look_.Font);
    viewport()->update();
    header_->viewport()->update();
}

const GridData& CatalogGridView::Data() const {
    return model_->Data();
}

void CatalogGridView::ShowGridData(GridData grid, bool keep, const GridPosition& position,
                                   bool selectFirst) {
    adjusting_ = true;
    model_->SetGridData(std::move(grid));
    const GridHeadings& headings = Data().Headings;
    for (int c = 0; c < headings.ColumnCount(); ++c) {
        header_->resizeSection(c, headings.Columns[static_cast<std::size_t>(c)].Width);
    }
    verticalHeader()->setDefaultSectionSize(std::max(1, headings.RowHeight));
    verticalHeader()->setMinimumSectionSize(1);
    header_->setFixedHeight(std::max(1, headings.HeadingRowHeight));
    header_->updateGeometry();

    const int gridRows = Data().RowCount();
    GridPosition p{0, 0, 1, 0};
    if (keep) {
        p = position;
        if (p.LeftColumn >= Data().ColumnCount()) {
            p.LeftColumn = 0;
        }
        if (p.TopRow >= gridRows || p.Row >= gridRows) {
            p = GridPosition{1, 0, 1, 0};
        }
        p.Column = 0;
    } else if (selectFirst) {
        p.Row = 1;
    }
    SetSelection(p.Row < gridRows ? p.Row : 0, p.Column);
    verticalScrollBar()->setValue(std::max(0, p.TopRow - 1));
    horizontalScrollBar()->setValue(p.LeftColumn);
    adjusting_ = false;
    viewport()->update();
}

void CatalogGridView::SetSelection(int gridRow, int column) {
    if (gridRow >= 1 && gridRow < Data().RowCount() && Data().ColumnCount() > 0) {
        selectionModel()->setCurrentIndex(model_->index(gridRow - 1, column),
                                          QItemSelectionModel::NoUpdate);
    } else {
        selectionModel()->clearCurrentIndex();
    }
    viewport()->update();
}

GridPosition CatalogGridView::Position() const {
    return GridPosition{SelectedRow(), std::max(0, currentIndex().column()), TopRow(),
                        LeftColumn()};
}

int CatalogGridView::SelectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? CatalogGridModel::GridRow(current.row()) : 0;
}

int CatalogGridView::TopRow() const {
    return verticalScrollBar()->value() + 1;
}

int CatalogGridView::LeftColumn() const {
    return horizontalScrollBar()->value();
}

int CatalogGridView::VisibleRowCount() const {
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / rowHeight);
}

int CatalogGridView::LastVisibleColumn() const {
    const int last = columnAt(viewport()->width() - 1);
    return last < 0 ? Data().ColumnCount() - 1 : last;
}

void CatalogGridView::SelectGridRow(int row) {
    adjusting_ = true;
    SetSelection(row, 0);
    const int rows = Data().RowCount();
    int top = row - VisibleRowCount() / 2;
    top = std::min(top, rows - VisibleRowCount());
    top = std::max(top, 1);
    verticalScrollBar()->setValue(top - 1);
    horizontalScrollBar()->setValue(0);
    adjusting_ = false;
    emit loadClicked();
    setFocus();
}

void CatalogGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    viewport()->update();
    if (!adjusting_ && current.isValid() && current.row() != previous.row()) {
        emit loadClicked();
    } else if (!adjusting_ && current.isValid() && userMove_) {
        emit loadClicked();
    }
}

void CatalogGridView::mousePressEvent(QMouseEvent* event) {
    userMove_ = true;
    QTableView::mousePressEvent(event);
    userMove_ = false;
}

void CatalogGridView::keyPressEvent(QKeyEvent* event) {
    userMove_ = true;
    QTableView::keyPressEvent(event);
    userMove_ = false;
}

void CatalogGridView::focusInEvent(QFocusEvent* event) {
    // The item view would make the first row current on gaining the focus; here "no load
    // selected" is a state of its own that only the user or a refill ends.
    const bool none = !currentIndex().isValid();
    const bool wasAdjusting = adjusting_;
    adjusting_ = wasAdjusting || none;
    QTableView::focusInEvent(event);
    adjusting_ = wasAdjusting;
    if (none) {
        selectionModel()->clearCurrentIndex();
    }
}

void CatalogGridView::contextMenuEvent(QContextMenuEvent* event) {
    // A mouse menu arrives from the viewport in its coordinates; the menu key acts on the
    // selected row.
    QPoint at = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        at = currentIndex().isValid() ? visualRect(currentIndex()).center() : QPoint(0, 0);
    }
    emit contextMenuWanted(at);
    event->accept();
}

void CatalogGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0 && !adjusting_) {
        MainGridTopLeftChanged();
    }
}

void CatalogGridView::MainGridTopLeftChanged() {
    // Scrolling sideways keeps the highlighted row and never scrolls back to the selected cell.
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return;
    }
    const int left = LeftColumn();
    const int last = LastVisibleColumn();
    if (current.column() > left && current.column() < last) {
        return;
    }
    adjusting_ = true;
    selectionModel()->setCurrentIndex(model_->index(current.row(), (left + last) / 2),
                                      QItemSelectionModel::NoUpdate);
    adjusting_ = false;
}

} // namespace corvane
