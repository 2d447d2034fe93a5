#pragma once
// What the catalog grid's delegate and header view share: colours and the border rules.
#include "ballistics/GridLayout.h"

#include <QColor>
#include <QFont>

class QPainter;
class QRect;

namespace corvane {

struct GridLook {
    QColor Heading;
    QColor HighlightBar;
    QColor Grid;
    QColor Highlight; // the system's selected-cell colour
    QColor BorderShadow;
    QFont Font;
    QFont BoldFont;
};

// The column's left border: `top` is where it starts, `bottom` where a thin grey line stops.
void DrawLeftBorder(QPainter& painter, const ColumnLayout& column, const GridLook& look,
                    const QRect& cell, int thinLineTop);
// The grey line at the right edge of the last column.
void DrawRightEdge(QPainter& painter, const QRect& cell);

} // namespace corvane
