#pragma once
// One column of a table: its width, hidden flag and the cell component that paints and edits
// its cells. A change is reported to the column's change handler as (number, -1, action).
#include "widgets/core/WdgTableTypes.h"

#include <cstdint>
#include <functional>

class TWdgBaseTableCell;

class TWdgTableColumn {
public:
  using ChangeHandler = std::function<void(int32_t, int32_t, TWdgTblActions)>;

  int32_t Width() const { return width_; }
  void SetWidth(int32_t width);
  bool Hidden() const { return hidden_; }
  void SetHidden(bool hidden);
  TWdgBaseTableCell* DefaultCell() const { return cell_; }
  void SetDefaultCell(TWdgBaseTableCell* cell);
  int32_t Number() const { return number_; }

  // Width and hidden flag without a notification, then the other column's cell.
  void Assign(const TWdgTableColumn& source);

private:
  friend class TWdgTableColumns;
  void Notify() const;

  int32_t width_ = 150;
  bool hidden_ = false;
  TWdgBaseTableCell* cell_ = nullptr;
  int32_t number_ = 0;
  ChangeHandler onChange_;
};
