#include "platform/engine/TableBackupLog.h"

#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"

namespace {
QString Context(const QString& table) { return QStringLiteral("Change list of table ") + table; }

QString TriggerSql(const QString& name, const QString& event, const QString& table, const QString& rowIds) {
  return QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER %2 ON %3 BEGIN INSERT INTO %4 (tbl, rid) %5; END")
      .arg(SqlText::Quote(name), event, SqlText::Quote(table), QLatin1String(TableBackupLog::kLogTable), rowIds);
}

QString Literal(const QString& text) {
  QString quoted = text;
  quoted.replace(QLatin1Char('\''), QLatin1String("''"));
  return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
} // namespace

QString TableBackupLog::DeleteTrigger(const QString& table) { return QStringLiteral("tb_backup_deleted#") + table; }
QString TableBackupLog::UpdateTrigger(const QString& table) { return QStringLiteral("tb_backup_updated#") + table; }

bool TableBackupLog::IsLogged(const TDatabase& db, const QString& table, const QString& schema) {
  const QString master = schema.isEmpty() ? QStringLiteral("sqlite_master") : schema + QStringLiteral(".sqlite_master");
  QSqlQuery query = db.Exec(QStringLiteral("SELECT count(*) FROM %1 WHERE type = 'trigger' AND name IN (?, ?)").arg(master),
                            {DeleteTrigger(table), UpdateTrigger(table)}, Context(table));
  return query.next() && query.value(0).toInt() == 2;
}

void TableBackupLog::StartInTransaction(TDatabase& db, const QString& table) {
  const QString context = Context(table);
  db.Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (seq INTEGER PRIMARY KEY AUTOINCREMENT, tbl TEXT NOT NULL, "
                         "rid INTEGER NOT NULL)")
              .arg(QLatin1String(kLogTable)),
          {}, context);
  const QString name = Literal(table);
  db.Exec(TriggerSql(DeleteTrigger(table), QStringLiteral("DELETE"), table, QStringLiteral("VALUES (%1, OLD.rowid)").arg(name)),
          {}, context);
  // A change that moves a row to another record id leaves both ids to copy again.
  db.Exec(TriggerSql(UpdateTrigger(table), QStringLiteral("UPDATE"), table,
                     QStringLiteral("SELECT %1, OLD.rowid UNION ALL SELECT %1, NEW.rowid WHERE NEW.rowid <> OLD.rowid").arg(name)),
          {}, context);
}

void TableBackupLog::Start(TDatabase& db, const QString& table) {
  db.RunInTransaction([&] { StartInTransaction(db, table); });
}

void TableBackupLog::Forget(TDatabase& db, const QString& table, qint64 lastSeq) {
  db.Exec(QStringLiteral("DELETE FROM %1 WHERE tbl = ? AND seq <= ?").arg(QLatin1String(kLogTable)), {table, lastSeq},
          Context(table));
}
