#include "platform/engine/CursorStatements.h"

#include "platform/engine/SqlErrors.h"
#include "platform/engine/SqlText.h"

#include <QStringList>

CursorStatements::CursorStatements(QSqlDatabase db, TTableDef def)
    : db_(std::move(db)), def_(std::move(def)), autoInc_(def_.AutoIncField()) {
  for (int i = 0; i <= def_.fields.size(); ++i) names_ << QStringLiteral(":p%1").arg(i);
}

QString CursorStatements::Context() const { return QStringLiteral("Table: ") + def_.name; }

QSqlQuery& CursorStatements::Prepared(std::optional<QSqlQuery>& slot, const QString& sql) {
  if (slot) return *slot;
  QSqlQuery q(db_);
  q.setForwardOnly(true);
  if (!q.prepare(sql)) SqlErrors::Raise(q.lastError(), Context());
  slot.emplace(std::move(q));
  return *slot;
}

void CursorStatements::Execute(QSqlQuery& q) {
  if (q.exec()) return;
  const QSqlError error = q.lastError();
  q.finish();
  SqlErrors::Raise(error, Context());
}

bool CursorStatements::Fetch(qint64 id, QVariantList& values) {
  if (!fetch_) {
    QStringList columns;
    for (const TFieldDef& f : def_.fields) columns << SqlText::Quote(f.name);
    Prepared(fetch_, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = :p0").arg(columns.join(QLatin1String(", ")),
                                                                            SqlText::Quote(def_.name)));
  }
  QSqlQuery& q = *fetch_;
  q.bindValue(names_[0], id);
  Execute(q);
  const bool found = q.next();
  if (found) {
    values.resize(def_.fields.size());
    for (int i = 0; i < def_.fields.size(); ++i) values[i] = q.value(i);
  }
  q.finish(); // a statement left open would hold the read snapshot
  return found;
}

qint64 CursorStatements::Insert(const QVariantList& values) {
  if (!insert_) {
    QStringList columns, marks;
    for (int i = 0; i < def_.fields.size(); ++i) {
      if (i == autoInc_) continue;
      marks << names_[columns.size()];
      columns << SqlText::Quote(def_.fields[i].name);
    }
    if (columns.isEmpty())
      Prepared(insert_, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(SqlText::Quote(def_.name)));
    else
      Prepared(insert_, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(SqlText::Quote(def_.name), columns.join(QLatin1String(", ")), marks.join(QLatin1String(", "))));
  }
  QSqlQuery& q = *insert_;
  int param = 0;
  for (int i = 0; i < values.size(); ++i)
    if (i != autoInc_) q.bindValue(names_[param++], values[i]);
  Execute(q);
  const qint64 id = q.lastInsertId().toLongLong();
  q.finish();
  return id;
}

bool CursorStatements::Update(qint64 id, const QVariantList& values) {
  if (autoInc_ >= 0 && def_.fields.size() == 1) return true; // nothing but the id to write
  if (!update_) {
    QStringList sets;
    for (int i = 0; i < def_.fields.size(); ++i)
      if (i != autoInc_) sets << SqlText::Quote(def_.fields[i].name) + QStringLiteral(" = ") + names_[sets.size()];
    Prepared(update_, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = %3")
                          .arg(SqlText::Quote(def_.name), sets.join(QLatin1String(", ")), names_[sets.size()]));
  }
  QSqlQuery& q = *update_;
  int param = 0;
  for (int i = 0; i < values.size(); ++i)
    if (i != autoInc_) q.bindValue(names_[param++], values[i]);
  q.bindValue(names_[param], id);
  Execute(q);
  const bool changed = q.numRowsAffected() > 0;
  q.finish();
  return changed;
}

bool CursorStatements::Delete(qint64 id) {
  QSqlQuery& q = Prepared(delete_, QStringLiteral("DELETE FROM %1 WHERE rowid = :p0").arg(SqlText::Quote(def_.name)));
  q.bindValue(names_[0], id);
  Execute(q);
  const bool deleted = q.numRowsAffected() > 0;
  q.finish();
  return deleted;
}
