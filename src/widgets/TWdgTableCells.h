#pragma once
// Settings of single cells that override their column's: access, alignment, background
// colour, font and cell component. Cells without a record take their column's settings. The
// records move with their rows and columns when those are inserted, deleted or exchanged.
#include "widgets/core/WdgTableTypes.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>

class TWdgBaseTableCell;

struct TWdgCellOverride {
  TWdgTblAccess Access = otxDefault;
  TWdgTblAdjust Adjust = otaDefault;
  QColor Color; // invalid: no colour of its own
  std::optional<QFont> Font;
  QPointer<TWdgBaseTableCell> Cell;

  bool IsDefault() const {
    return Access == otxDefault && Adjust == otaDefault && !Color.isValid() && !Font && !Cell;
  }
};

class TWdgTableCells {
public:
  // The cell's record, or the defaults.
  TWdgCellOverride GetAttributes(int row, int col) const;
  TWdgBaseTableCell* GetCellComponent(int row, int col) const;
  // A record of nothing but defaults is dropped.
  void SetAttributes(int row, int col, const TWdgCellOverride& record);
  int RecordCount() const { return int(records_.size()); }

  // Each does nothing, and reports nothing, while there is no record.
  void InsertRow(int row);
  void InsertCol(int col);
  void DeleteRow(int row);
  void DeleteCol(int col);
  void ExchangeRows(int row1, int row2);
  void ExchangeCols(int col1, int col2);
  // Clears the component from every record that uses it; no report.
  void ForgetCell(const TWdgBaseTableCell* cell);

  std::function<void()> OnChange;

private:
  using Key = std::pair<int, int>; // row, column
  // Rebuilds the records with each key mapped; a key mapped to nothing is dropped.
  void Remap(const std::function<std::optional<Key>(Key)>& map);

  std::map<Key, TWdgCellOverride> records_;
};
