#include "widgets/core/TWdgTableRows.h"

#include "widgets/core/WdgTableErrors.h"

void TWdgTableRows::Check(int32_t row) const {
  if (row < 0 || row >= limit_) throw EWdgTable();
}

int32_t TWdgTableRows::Normalised(int32_t height) const {
  return height <= 0 || height == defaultHeight_ ? -1 : height;
}

void TWdgTableRows::Notify(int32_t row1, int32_t row2, TWdgTblActions action) const {
  if (onChange_) onChange_(row1, row2, action);
}

void TWdgTableRows::SetDefaultHeight(int32_t height) {
  if (height <= 0 || height == defaultHeight_) return;
  defaultHeight_ = height;
  Notify(0, 0, taAllChanged);
}

void TWdgTableRows::SetRowLimit(int32_t limit) {
  if (limit < 0) limit = 0;
  if (limit == limit_) return;
  limit_ = limit;
  Notify(-2, 0, taLimitChanged);
}

TWdgTableRows::Row TWdgTableRows::GetRow(int32_t row) const {
  Check(row);
  const auto it = records_.find(row);
  if (it == records_.end()) return {defaultHeight_, false};
  return {it->second.Height == -1 ? defaultHeight_ : it->second.Height, it->second.Hidden};
}

bool TWdgTableRows::RowIsSpecial(int32_t row) const {
  Check(row);
  return records_.count(row) != 0;
}

void TWdgTableRows::SetRow(int32_t row, int32_t height, bool hidden) {
  Check(row);
  if (row >= kFirstPlainRow) return;
  const int32_t h = Normalised(height);
  if (!hidden && h == -1) {
    ResetRow(row);
    return;
  }
  records_[row] = {h, hidden};
  Notify(row, 0, taOneChanged);
}

void TWdgTableRows::SetRowHeight(int32_t row, int32_t height) {
  Check(row);
  if (row >= kFirstPlainRow) return;
  const int32_t h = Normalised(height);
  const auto it = records_.find(row);
  if (it == records_.end()) {
    if (h == -1) return;
    records_[row] = {h, false};
  } else if (it->second.Height == h) {
    return;
  } else if (h == -1 && !it->second.Hidden) {
    records_.erase(it);
  } else {
    it->second.Height = h;
  }
  Notify(row, 0, taOneChanged);
}

void TWdgTableRows::ResetRow(int32_t row) {
  Check(row);
  if (records_.erase(row) != 0) Notify(row, 0, taOneChanged);
}

void TWdgTableRows::ExchangeRows(int32_t row1, int32_t row2) {
  Check(row1);
  Check(row2);
  if (row1 == row2 || row1 >= kFirstPlainRow || row2 >= kFirstPlainRow) return;
  auto take = [this](int32_t row) {
    const auto it = records_.find(row);
    if (it == records_.end()) return std::optional<Record>();
    Record r = it->second;
    records_.erase(it);
    return std::optional<Record>(r);
  };
  const auto first = take(row1);
  const auto second = take(row2);
  if (first) records_[row2] = *first;
  if (second) records_[row1] = *second;
  Notify(row1, row2, taExchanged);
}

void TWdgTableRows::Clear() {
  records_.clear();
  Notify(0, 0, taAllChanged);
}
