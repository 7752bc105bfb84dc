#include "crs3000/TEcrNameLookup.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"

#include <QDir>

#include <algorithm>

TEcrNameLookup::TEcrNameLookup() = default;
TEcrNameLookup::~TEcrNameLookup() = default;

TTable* TEcrNameLookup::NameTable() {
  if (table_ && table_->Active()) return table_.get();
  const QString database = NamePrg->GetDataBaseName();
  const QString name = NamePrg->LocalTableName();
  // Only the program makes and fills its table. Once the file holds the table (always
  // so while the program has it open) the program's cursor is left alone; otherwise it
  // is opened once to make the table and closed again.
  const bool made = QDir(TSession::Default().AliasPath(database)).exists() &&
                    TSession::Default().Database(database).TableExists(name);
  if (!made) {
    NamePrg->OpenTable();
    NamePrg->CloseTable();
  }
  table_ = std::make_unique<TTable>();
  table_->SetDatabaseName(database);
  table_->SetTableName(name);
  table_->Open();
  table_->SetIndexName(QString());
  return table_.get();
}

QString TEcrNameLookup::Find(const tEcrFnct& report, const QString& programClass, const QVariant& key,
                             const QString& nameColumn) {
  if (!NamePrg)
    if (const auto* driver = dynamic_cast<const tEcr*>(report.Owner())) NamePrg = driver->FindPrgByClass(programClass);
  if (!NamePrg) return QStringLiteral("Undefined");
  TTable* table = NameTable();
  if (table->FindKey({key})) return table->FieldByName(nameColumn).AsString();
  return QStringLiteral("Undefined");
}

bool TEcrNameLookup::HasProgram(const tEcrFnct& report, const QString& programClass) {
  if (!NamePrg)
    if (const auto* driver = dynamic_cast<const tEcr*>(report.Owner())) NamePrg = driver->FindPrgByClass(programClass);
  return NamePrg != nullptr;
}

QVariantList TEcrNameLookup::FindFields(const tEcrFnct& report, const QString& programClass, const QVariant& key,
                                        const QStringList& columns) {
  if (!HasProgram(report, programClass)) return {};
  TTable* table = NameTable();
  if (!table->FindKey({key})) return {};
  QVariantList values;
  for (const QString& column : columns) values.append(table->FieldByName(column).Value());
  return values;
}

QVariantList TEcrNameLookup::FindFieldsInBlock(const tEcrFnct& report, const QString& programClass, int key,
                                               int blockSize, const QStringList& columns) {
  if (!HasProgram(report, programClass)) return {};
  const TIndexDef* primary = NameTable()->Structure().PrimaryIndex();
  if (!primary || primary->fields.size() != 1) return FindFields(report, programClass, key, columns);
  if (key == 1 || key < runFirst_ || key >= runFirst_ + runSpan_ || columns != runColumns_) {
    constexpr int kRunRows = 1000; // about, in whole blocks
    const int first = key >= 1 ? (key - 1) / blockSize * blockSize + 1 : key;
    ReadRun(first, blockSize * std::max(1, kRunRows / blockSize), columns);
  }
  return run_.value(key);
}

void TEcrNameLookup::ReadRun(int first, int span, const QStringList& columns) {
  const TTableDef& def = NameTable()->Structure();
  QStringList select{SqlText::Quote(def.PrimaryIndex()->fields.first())};
  for (const QString& column : columns) {
    if (def.FieldIndex(column) < 0) table_->FieldByName(column); // raises the table's own error
    select << SqlText::Quote(def.fields[def.FieldIndex(column)].name);
  }
  TQuery query(NamePrg->GetDataBaseName());
  query.Exec(QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ? AND %3 < ?")
                 .arg(select.join(QLatin1Char(',')), SqlText::Quote(NamePrg->LocalTableName()), select.first()),
             {first, qint64(first) + span});
  run_.clear();
  while (query.Next()) {
    QVariantList values;
    for (int i = 1; i <= columns.size(); ++i) values << (query.Value(i).isNull() ? QVariant() : query.Value(i));
    run_.insert(query.Value(0).toInt(), values);
  }
  runFirst_ = first;
  runSpan_ = span;
  runColumns_ = columns;
}
