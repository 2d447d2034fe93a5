#include "app/GridPainting.h"

#include <QPainter>

namespace corvane {

void DrawLeftBorder(QPainter& painter, const ColumnLayout& column, const GridLook& look,
                    const QRect& cell, int thinLineTop) {
    const int w = column.LeftBorderWidth;
    if (w >= 1) {
        const int o = w < 2 ? 0 : (w < 4 ? 1 : 2);
        painter.fillRect(QRect(cell.left() + o, cell.top(), w, cell.height()), look.BorderShadow);
    } else {
        painter.fillRect(QRect(cell.left(), thinLineTop, 1, cell.bottom() - thinLineTop + 1),
                         QColor(128, 128, 128));
    }
}

void DrawRightEdge(QPainter& painter, const QRect& cell) {
    painter.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), QColor(128, 128, 128));
}

} // namespace corvane
