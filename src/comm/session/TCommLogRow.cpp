#include "comm/session/TCommLogRow.h"

#include "comm/session/CommLogDuration.h"
#include "comm/session/CommLogEntry.h"
#include "comm/session/CommLogTable.h"
#include "model/tMachine.h"
#include "platform/engine/FieldValue.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"

#include <QStringList>
#include <vector>

// The row is written by statements, not through a cursor: a cursor reads the id of every
// row when it opens, and the log grows by a row a session for as long as the shop keeps it.
namespace {
struct Value {
  const char* field;
  QVariant value;
};

// The values in the form the table keeps them, as a cursor would store them.
QVariantList Stored(TDatabase& db, const std::vector<Value>& values) {
  const TTableDef def = *db.ReadTableDef(QString::fromLatin1(CommLogTable::kName));
  QVariantList stored;
  for (const Value& v : values)
    for (const TFieldDef& field : def.fields)
      if (field.name == QLatin1String(v.field)) stored << FieldValue::Stored(field, v.value);
  return stored;
}

QString Columns(const std::vector<Value>& values, const QString& pattern) {
  QStringList parts;
  for (const Value& v : values) parts << pattern.arg(SqlText::Quote(QLatin1String(v.field)));
  return parts.join(QLatin1String(", "));
}

QString Table() { return SqlText::Quote(QString::fromLatin1(CommLogTable::kName)); }

qint64 Insert(TDatabase& db, const std::vector<Value>& values) {
  TQuery query(db);
  QStringList marks;
  for (size_t i = 0; i < values.size(); ++i) marks << QStringLiteral("?");
  query.Exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(Table(), Columns(values, QStringLiteral("%1")), marks.join(QLatin1Char(','))),
             Stored(db, values));
  return query.LastInsertId();
}

// The start time the row keeps, as a day number; none when the row is gone.
std::optional<double> KeptStart(TDatabase& db, qint64 id) {
  TQuery query(db);
  query.Exec(QStringLiteral("SELECT \"StartTime\" FROM %1 WHERE \"ID\" = ?").arg(Table()), {id});
  if (!query.Next()) return std::nullopt;
  const double start = query.Value(0).toDouble();
  query.Close();
  return start;
}

std::vector<Value> StartValues(TDateTime start, qint32 store, qint32 machineNumber, const QString& machineId,
                               const QString& commType) {
  return {{"StartTime", start.Days()}, {"StoreNumber", store}, {"MachineNumber", machineNumber},
          {"MachineID", machineId},    {"CommType", commType}};
}
} // namespace

void TCommLogRow::Start(const tMachine& machine, int commType) {
  startTime_ = TDateTime::Now();
  commType_ = CommTypeText(commType);
  storeNumber_ = machine.StoreNumber;
  machineNumber_ = machine.MachineNumber;
  machineId_ = machine.MachineId;
  TDatabase& db = CommLogTable::Checked();
  id_ = Insert(db, StartValues(startTime_, storeNumber_, machineNumber_, machineId_, commType_));
}

void TCommLogRow::End(tMpMessage message, const QStringList& progressLines) {
  TDatabase& db = CommLogTable::Checked();
  const std::optional<double> kept = id_ ? KeptStart(db, *id_) : std::nullopt;
  // Both times as the table keeps them, so the duration agrees with what the row shows.
  const QVariantList times = Stored(db, {{"StartTime", startTime_.Days()}, {"EndTime", TDateTime::Now().Days()}});
  const TDateTime start(kept ? *kept : times[0].toDouble());
  const TDateTime end(times[1].toDouble());
  const std::vector<Value> ending{{"EndTime", end.Days()},
                                  {"Duration", CommLogDuration(start, end)},
                                  {"LogEntry", CommLogEntry::Text(progressLines)},
                                  {"Result", MsgResultText(message)}};
  if (!kept) {
    // A row deleted meanwhile is written again whole.
    std::vector<Value> whole = StartValues(startTime_, storeNumber_, machineNumber_, machineId_, commType_);
    whole.insert(whole.end(), ending.begin(), ending.end());
    id_ = Insert(db, whole);
    return;
  }
  QVariantList values = Stored(db, ending);
  values << *id_;
  TQuery(db).Exec(QStringLiteral("UPDATE %1 SET %2 WHERE \"ID\" = ?").arg(Table(), Columns(ending, QStringLiteral("%1 = ?"))),
                  values);
}
