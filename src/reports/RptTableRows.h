#pragma once
// A stored table as a report's row source, through a cursor of its own (so a report never
// moves the cursor a window or the browser stands on). Limited to one key on the leading
// field of the primary index, it gives the rows of one poll ("Poll Id") in key order.
#include "reports/RptKeyedSource.h"

#include <QString>
#include <QVariant>

#include <memory>

class TTable;

class RptTableRows final : public RptKeyedSource {
public:
  // Opens the table on its primary index; with a key, only the rows whose leading key field
  // holds it. Engine errors (a missing or damaged table) go to the caller.
  RptTableRows(const QString& database, const QString& table, const QVariant& key = QVariant());
  ~RptTableRows() override;

  void Rewind() override;
  bool AtEnd() const override { return pastEnd_; }
  void Next() override;
  void Prior() override;
  RptValue Field(const QString& name) const override;
  bool Locate(const QString& field, const RptValue& value) override;

  TTable& Table() { return *table_; }

private:
  std::unique_ptr<TTable> table_;
  bool pastEnd_ = true;
};
