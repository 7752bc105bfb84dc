#include "crs3000/TEcrNameLookup.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"

#include <QDir>

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

QVariantList TEcrNameLookup::FindFields(const tEcrFnct& report, const QString& programClass, const QVariant& key,
                                        const QStringList& columns) {
  if (!NamePrg)
    if (const auto* driver = dynamic_cast<const tEcr*>(report.Owner())) NamePrg = driver->FindPrgByClass(programClass);
  if (!NamePrg) return {};
  TTable* table = NameTable();
  if (!table->FindKey({key})) return {};
  QVariantList values;
  for (const QString& column : columns) values.append(table->FieldByName(column).Value());
  return values;
}
