#pragma once
// The table's model: only a shape (body rows and columns, heading rows and columns left out).
// It holds no cell data: what a cell shows is asked from the application each time.
#include <QAbstractTableModel>

class TWdgTable;

class TWdgTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit TWdgTableModel(TWdgTable& table);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The display text is the application's data for painting.
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void SetRowCount(int rows);
  void SetColumnCount(int cols);
  void ColumnChanged(int col);

private:
  TWdgTable& table_;
  int rows_ = 0;
  int cols_ = 0;
};
