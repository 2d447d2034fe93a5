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

// The colour of the `order`-th compared load (0-based): its line in the trajectory chart and
// its mark in the grid.
QColor ComparedLoadColor(int order);
// Marks a cell of a compared load's row: a light tint of its colour, and a bar in that colour at
// the left of the row's first column.
void DrawComparedMark(QPainter& painter, const QRect& cell, int order, bool firstColumn);

} // namespace corvane
