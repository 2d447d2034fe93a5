#pragma once
// The catalog grid as a table model over the core's grid data. Model row i is grid row i + 1;
// the grid's heading row is drawn by the header view.
#include "ballistics/GridData.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

namespace corvane {

QColor ToQColor(ColorRef color);

class CatalogGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CatalogGridModel(QObject* parent = nullptr);

    // Data of this role: the 0-based order of a row's load among the compared loads, none for
    // the others. The grid's texts stay as they are.
    static constexpr int kComparedRole = Qt::UserRole + 1;

    void SetGridData(GridData data);
    // Per model row, the order among the compared loads or -1.
    void SetComparedOrder(std::vector<int> order);
    const GridData& Data() const { return data_; }
    // Grid row (1-based, the heading row is 0) of a model row and back.
    static int GridRow(int modelRow) { return modelRow + 1; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    GridData data_;
    std::vector<int> comparedOrder_;
};

} // namespace corvane
