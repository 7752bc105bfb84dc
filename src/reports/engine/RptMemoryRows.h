#pragma once
// A row source held in memory: named columns and rows of values. It serves fixtures and
// small look-up tables; Locate positions it by a key as a handler positions a program table.
#include "reports/engine/RptRowSource.h"

#include <QList>
#include <QStringList>

class RptMemoryRows final : public RptRowSource {
public:
  explicit RptMemoryRows(QStringList columns = {}, QList<QList<RptValue>> rows = {});

  void Append(QList<RptValue> row);
  int RowCount() const { return int(rows_.size()); }
  int Position() const { return position_; }

  void Rewind() override { position_ = 0; }
  bool AtEnd() const override { return position_ >= RowCount(); }
  void Next() override;
  void Prior() override;
  RptValue Field(const QString& name) const override;

  // Moves to the first row whose field equals the value; returns false and goes past the
  // end (every field null) when there is none.
  bool Locate(const QString& field, const RptValue& value);

private:
  int Column(const QString& name) const;

  QStringList columns_;
  QList<QList<RptValue>> rows_;
  int position_ = 0;
};
