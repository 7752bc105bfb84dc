#include "reports/engine/RptMemoryRows.h"

RptMemoryRows::RptMemoryRows(QStringList columns, QList<QList<RptValue>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

void RptMemoryRows::Append(QList<RptValue> row) { rows_ << std::move(row); }

void RptMemoryRows::Next() {
  if (!AtEnd()) ++position_;
}

void RptMemoryRows::Prior() {
  if (position_ > 0) --position_;
}

int RptMemoryRows::Column(const QString& name) const {
  for (int column = 0; column < columns_.size(); ++column)
    if (columns_[column].compare(name, Qt::CaseInsensitive) == 0) return column;
  return -1;
}

RptValue RptMemoryRows::Field(const QString& name) const {
  const int column = Column(name);
  if (AtEnd() || column < 0 || column >= rows_[position_].size()) return {};
  return rows_[position_][column];
}

bool RptMemoryRows::Locate(const QString& field, const RptValue& value) {
  const int column = Column(field);
  for (position_ = 0; position_ < RowCount(); ++position_)
    if (column >= 0 && column < rows_[position_].size() && rows_[position_][column] == value)
      return true;
  return false;
}
