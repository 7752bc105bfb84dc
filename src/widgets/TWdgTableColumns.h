#pragma once
// The ordered columns of a table, numbered from 0. Adding, deleting, exchanging and clearing
// are reported to the change handler as (column1, column2, action).
#include "widgets/TWdgTableColumn.h"

#include <memory>
#include <vector>

class TWdgTableColumns {
public:
  static constexpr int32_t kMaxCount = 134217727;

  explicit TWdgTableColumns(int32_t count = 10);

  int32_t Count() const { return int32_t(columns_.size()); }
  // nullptr outside 0..Count()-1.
  TWdgTableColumn* Column(int32_t index) const;
  TWdgBaseTableCell* DefaultCellOf(int32_t index) const;

  // Appends a column; EWdgTable when the collection is full.
  TWdgTableColumn& Add();
  void Delete(int32_t index);
  void Exchange(int32_t index1, int32_t index2);
  void Clear();
  // 0 or less, or the current count, changes nothing; fewer drop columns from the end.
  void SetCount(int32_t count);
  // Clears the cell from every column that uses it.
  void ForgetCell(const TWdgBaseTableCell* cell);

  void SetChangeHandler(TWdgTableColumn::ChangeHandler handler);

private:
  void Renumber();
  void Notify(int32_t c1, int32_t c2, TWdgTblActions action) const;

  std::vector<std::unique_ptr<TWdgTableColumn>> columns_;
  TWdgTableColumn::ChangeHandler onChange_;
};
