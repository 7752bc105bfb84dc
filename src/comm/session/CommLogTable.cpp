#include "comm/session/CommLogTable.h"

#include "comm/session/CommLogErrors.h"
#include "platform/engine/StructureCheck.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "store/settings/SettingsFile.h"

#include <QHash>

TTableDef CommLogTable::Def() {
  using T = TFieldType;
  TTableDef def;
  def.name = QString::fromLatin1(kName);
  def.fields = {{QStringLiteral("ID"), T::AutoInc},        {QStringLiteral("StartTime"), T::DateTime},
                {QStringLiteral("EndTime"), T::DateTime},  {QStringLiteral("Duration"), T::Alpha, 20},
                {QStringLiteral("CommType"), T::Alpha, 30}, {QStringLiteral("Result"), T::Alpha, 20},
                {QStringLiteral("StoreNumber"), T::Long},  {QStringLiteral("MachineNumber"), T::Long},
                {QStringLiteral("MachineID"), T::Alpha, 30}, {QStringLiteral("LogEntry"), T::Memo}};
  TIndexDef primary{QString(), {QStringLiteral("ID")}};
  primary.primary = primary.unique = true;
  def.indexes = {primary};
  return def;
}

QString CommLogTable::DisplayLabel(const QString& field) {
  static const QHash<QString, QString> labels{{QStringLiteral("CommType"), QStringLiteral("Comm Type")},
                                              {QStringLiteral("StoreNumber"), QStringLiteral("Store Number")},
                                              {QStringLiteral("MachineNumber"), QStringLiteral("Machine Number")},
                                              {QStringLiteral("MachineID"), QStringLiteral("Machine ID")}};
  return labels.value(field, field);
}

const QStringList& CommLogTable::GridFields() {
  static const QStringList fields{QStringLiteral("ID"),          QStringLiteral("Result"),
                                  QStringLiteral("MachineID"),   QStringLiteral("StoreNumber"),
                                  QStringLiteral("MachineNumber"), QStringLiteral("CommType"),
                                  QStringLiteral("StartTime"),   QStringLiteral("EndTime"),
                                  QStringLiteral("Duration")};
  return fields;
}

void CommLogTable::Locate(TTable& table) {
  table.SetDatabaseName(GetDataAlias());
  table.SetTableName(QString::fromLatin1(kName));
}

namespace {
void Check(TDatabase& db) {
  const QString differences = StructureCheck::CheckOrCreate(db, CommLogTable::Def());
  if (!differences.isEmpty()) throw ECommLogTable(differences);
}
} // namespace

TDatabase& CommLogTable::Checked() {
  TDatabase& db = TSession::Default().Database(GetDataAlias());
  Check(db);
  return db;
}

void CommLogTable::Open(TTable& table) {
  Locate(table);
  Check(table.Database());
  table.Open();
}
