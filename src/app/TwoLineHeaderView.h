#pragma once
// The grid's heading row: the group texts on the upper line, spanning their columns, and each
// column's heading on the lower line, in the heading colour.
#include "app/GridPainting.h"

#include <QHeaderView>

namespace corvane {

class CatalogGridModel;

class TwoLineHeaderView : public QHeaderView {
    Q_OBJECT
public:
    TwoLineHeaderView(const GridLook& look, QWidget* parent = nullptr);
    void SetGridModel(const CatalogGridModel* model) { grid_ = model; }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const GridLook& look_;
    const CatalogGridModel* grid_ = nullptr;
};

} // namespace corvane
