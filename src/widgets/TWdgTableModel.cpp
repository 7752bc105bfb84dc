#include "widgets/TWdgTableModel.h"

#include "widgets/TWdgTable.h"

TWdgTableModel::TWdgTableModel(TWdgTable& table) : QAbstractTableModel(&table), table_(table) {}

int TWdgTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TWdgTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant TWdgTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const QString* text = table_.ModelCellData(index, cdpPaint);
  return text ? QVariant(*text) : QVariant();
}

Qt::ItemFlags TWdgTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TWdgTableModel::SetRowCount(int rows) {
  if (rows == rows_) return;
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
}

void TWdgTableModel::SetColumnCount(int cols) {
  if (cols == cols_) return;
  if (cols > cols_) {
    beginInsertColumns({}, cols_, cols - 1);
    cols_ = cols;
    endInsertColumns();
  } else {
    beginRemoveColumns({}, cols, cols_ - 1);
    cols_ = cols;
    endRemoveColumns();
  }
}

void TWdgTableModel::ColumnChanged(int col) {
  if (col < 0 || col >= cols_ || rows_ == 0) return;
  Q_EMIT dataChanged(index(0, col), index(rows_ - 1, col), {Qt::DisplayRole});
}
