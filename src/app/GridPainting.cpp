#include "app/GridPainting.h"

#include <QPainter>

#include <iterator>

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

QColor ComparedLoadColor(int order) {
    static const QColor kColors[] = {QColor(0x1f, 0x4e, 0xb4), QColor(0xc0, 0x28, 0x28),
                                     QColor(0x2e, 0x8b, 0x3a), QColor(0xd8, 0x7a, 0x00)};
    return kColors[static_cast<std::size_t>(order) % std::size(kColors)];
}

void DrawComparedMark(QPainter& painter, const QRect& cell, int order, bool firstColumn) {
    QColor tint = ComparedLoadColor(order);
    tint.setAlpha(40);
    painter.fillRect(cell, tint);
    if (firstColumn) {
        painter.fillRect(QRect(cell.left(), cell.top(), 5, cell.height()),
                         ComparedLoadColor(order));
    }
}

} // namespace corvane
