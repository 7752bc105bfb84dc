#pragma once
// The table's row settings: a default height, the row limit (the number of rows, heading rows
// included) and, for the few rows that differ, a record of height and hidden flag. Changes are
// reported to the change handler as (row1, row2, action).
#include "widgets/core/WdgTableTypes.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class TWdgTableRows {
public:
  struct Row {
    int32_t Height = 0;
    bool Hidden = false;
    bool operator==(const Row&) const = default;
  };
  using ChangeHandler = std::function<void(int32_t, int32_t, TWdgTblActions)>;

  // Rows from here up always answer the defaults and keep no settings.
  static constexpr int32_t kFirstPlainRow = 320000;

  int32_t DefaultHeight() const { return defaultHeight_; }
  // Only a positive height that differs is taken; every row without its own height follows.
  void SetDefaultHeight(int32_t height);
  int32_t RowLimit() const { return limit_; }
  // A negative limit becomes 0: a table may have no rows beyond its heading rows, or none at
  // all. Records of rows beyond the new limit stay.
  void SetRowLimit(int32_t limit);

  // Each row operation raises EWdgTable for a row outside 0..RowLimit()-1.
  Row GetRow(int32_t row) const;
  bool GetHidden(int32_t row) const { return GetRow(row).Hidden; }
  // Whether the row keeps its own record (a height or the hidden flag).
  bool RowIsSpecial(int32_t row) const;
  // A height of 0 or less, or the default height, means "the default".
  void SetRow(int32_t row, int32_t height, bool hidden);
  void SetRowHeight(int32_t row, int32_t height);
  void ResetRow(int32_t row);
  void ExchangeRows(int32_t row1, int32_t row2);
  void Clear();
  int32_t RecordCount() const { return int32_t(records_.size()); }

  void SetChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }

private:
  struct Record {
    int32_t Height = -1; // -1: the default height
    bool Hidden = false;
  };

  void Check(int32_t row) const;
  int32_t Normalised(int32_t height) const;
  void Notify(int32_t row1, int32_t row2, TWdgTblActions action) const;

  int32_t defaultHeight_ = 30;
  int32_t limit_ = 10;
  std::map<int32_t, Record> records_;
  ChangeHandler onChange_;
};
