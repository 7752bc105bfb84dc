#include "reports/RptTableRows.h"

#include "platform/engine/TTable.h"
#include "reports/RptFieldValue.h"

RptTableRows::RptTableRows(const QString& database, const QString& table, const QVariant& key)
    : table_(std::make_unique<TTable>(database, table)) {
  table_->Open();
  table_->SetIndexName(QString());
  if (key.isValid()) table_->SetRange({key}, {key});
  Rewind();
}

RptTableRows::~RptTableRows() = default;

void RptTableRows::Rewind() {
  table_->First();
  pastEnd_ = table_->IsEmpty();
}

void RptTableRows::Next() {
  if (pastEnd_) return;
  table_->Next();
  pastEnd_ = table_->Eof();
}

void RptTableRows::Prior() {
  if (!pastEnd_) return table_->Prior();
  if (table_->IsEmpty()) return;
  table_->Last();
  pastEnd_ = false;
}

RptValue RptTableRows::Field(const QString& name) const {
  if (pastEnd_) return {};
  TField* field = table_->FindField(name);
  return field ? RptFieldValue(*field) : RptValue();
}

bool RptTableRows::Locate(const QString& field, const RptValue& value) {
  if (table_->FindField(field) && table_->Locate({field}, {value.ToVariant()}, {true, false})) {
    pastEnd_ = false;
    return true;
  }
  pastEnd_ = true;
  return false;
}
