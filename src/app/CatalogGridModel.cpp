#include "app/CatalogGridModel.h"

#include "common/ui/QtText.h"

namespace corvane {

QColor ToQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

CatalogGridModel::CatalogGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void CatalogGridModel::SetGridData(GridData data) {
    beginResetModel();
    data_ = std::move(data);
    comparedOrder_.clear(); // the rows are new; the comparison marks them again
    endResetModel();
}

void CatalogGridModel::SetComparedOrder(std::vector<int> order) {
    comparedOrder_ = std::move(order);
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {kComparedRole});
    }
}

int CatalogGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, data_.RowCount() - 1);
}

int CatalogGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : data_.ColumnCount();
}

QVariant CatalogGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const auto row = static_cast<std::size_t>(GridRow(index.row()));
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const auto& cells = data_.Cells[row];
        return column < cells.size() ? ToQString(cells[column]) : QString();
    }
    case Qt::BackgroundRole:
        return ToQColor(data_.Headings.Columns[column].Color);
    case kComparedRole: {
        const auto r = static_cast<std::size_t>(index.row());
        return r < comparedOrder_.size() && comparedOrder_[r] >= 0 ? QVariant(comparedOrder_[r])
                                                                   : QVariant();
    }
    default:
        return {};
    }
}

QVariant CatalogGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) {
        return {};
    }
    if (orientation == Qt::Horizontal && section < data_.ColumnCount()) {
        return ToQString(data_.Headings.Columns[static_cast<std::size_t>(section)].HeadingText);
    }
    if (orientation == Qt::Vertical && section < rowCount()) {
        return section + 1;
    }
    return {};
}

Qt::ItemFlags CatalogGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace corvane
