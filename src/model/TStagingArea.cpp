#include "model/TStagingArea.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "platform/sys/ScopeGuard.h"

#include <QHash>

#include <atomic>
#include <mutex>
#include <vector>

namespace {
const QString kSchemaPrefix = QStringLiteral("tb_stage_");

QString NewSchemaName() {
  static std::atomic<quint64> next{0};
  return kSchemaPrefix + QString::number(++next);
}

// Scratch databases whose detach failed, by the connection that still has them attached.
// Only a failed detach leaves one (a connection's close drops them all), so a move looks
// for leftovers only when one is recorded here, not with a query of its own every time.
std::mutex& LeftoversLock() {
  static std::mutex lock;
  return lock;
}
QHash<QString, QStringList>& Leftovers() {
  static QHash<QString, QStringList> leftovers;
  return leftovers;
}

bool IsLeftover(const QString& schema) {
  const std::lock_guard<std::mutex> guard(LeftoversLock());
  for (const QStringList& schemas : std::as_const(Leftovers()))
    if (schemas.contains(schema)) return true;
  return false;
}

// Emptied scratch databases of this thread, with their folders, for the next areas.
struct KeptScratch {
  std::unique_ptr<QTemporaryDir> dir;
  std::unique_ptr<TDatabase> db;
};
constexpr size_t kKeptScratches = 4;

std::vector<KeptScratch>& Kept() {
  thread_local std::vector<KeptScratch> kept;
  return kept;
}

void Detach(TDatabase& target, const QString& schema) {
  try {
    TQuery(target).Exec(QStringLiteral("DETACH DATABASE ") + schema, {});
  } catch (const EDBEngineError&) {
    // Still in use (a result left open on it): the next move into the same connection
    // tries again, and the connection's close drops it at the latest.
    const std::lock_guard<std::mutex> guard(LeftoversLock());
    Leftovers()[target.Connection().connectionName()].append(schema);
  }
}

// Left attached, they would pile up towards the file engine's limit of attached
// databases. Those no longer attached (their connection was closed and opened again)
// are let go.
void DetachLeftovers(TDatabase& target) {
  QStringList recorded;
  {
    const std::lock_guard<std::mutex> guard(LeftoversLock());
    recorded = Leftovers().take(target.Connection().connectionName());
  }
  if (recorded.isEmpty()) return;
  QStringList attached;
  TQuery query(target);
  query.Exec(QStringLiteral("SELECT name FROM pragma_database_list"), {});
  while (query.Next()) attached << query.Value(0).toString();
  query.Close();
  for (const QString& name : recorded)
    if (attached.contains(name)) Detach(target, name);
}
} // namespace

TStagingArea::TStagingArea() : schema_(NewSchemaName()) {
  std::vector<KeptScratch>& kept = Kept();
  // One closed meanwhile (the session closes every database) is let go.
  while (!kept.empty() && !db_) {
    KeptScratch scratch = std::move(kept.back());
    kept.pop_back();
    if (!scratch.db->Connected()) continue;
    dir_ = std::move(scratch.dir);
    db_ = std::move(scratch.db);
  }
  if (!db_) {
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
      throw EDBEngineError(EngineError::OsError, QStringLiteral("Staging folder: ") + dir_->errorString());
    db_ = std::make_unique<TDatabase>(QString(), dir_->path());
    // A scratch file needs no durability: it is thrown away after the move, and a crash
    // before the move loses nothing that was stored. So no disk flushes are paid for it.
    db_->Open(TDatabase::Durability::Scratch);
  }
  // One transaction for all staged rows: nothing else uses this file, and it saves a
  // disk flush per row.
  db_->StartTransaction();
}

TStagingArea::~TStagingArea() {
  twins_.clear();
  try {
    if (Reusable()) {
      Empty();
      std::vector<KeptScratch>& kept = Kept();
      if (kept.size() < kKeptScratches) {
        kept.push_back({std::move(dir_), std::move(db_)});
        return;
      }
    }
  } catch (const EDBEngineError&) {
  }
  try {
    if (db_) db_->Close();
  } catch (const EDBEngineError&) {
  }
}

// One still attached to a connection after a failed detach is not handed on.
bool TStagingArea::Reusable() const { return db_ && db_->Connected() && !IsLeftover(schema_); }

// Twins made inside the staging transaction go with its rollback; those of a move were
// committed and are dropped.
void TStagingArea::Empty() {
  if (db_->InTransaction()) db_->Rollback();
  for (const QString& name : std::as_const(order_))
    if (db_->TableExists(name)) db_->DeleteTable(name);
}

TTable& TStagingArea::Twin(const TTableDef& structure) {
  const QString name = TableNameOf(structure.name);
  if (auto it = twins_.constFind(name); it != twins_.constEnd()) return **it;
  TTableDef def = structure;
  def.name = name;
  db_->CreateTable(def);
  auto table = std::make_shared<TTable>();
  table->SetDatabase(db_.get());
  table->SetTableName(name);
  table->Open();
  twins_.insert(name, table);
  structures_.insert(name, def);
  order_.append(name);
  return *table;
}

bool TStagingArea::HasTwin(const QString& table) const { return twins_.contains(TableNameOf(table)); }

qint64 TStagingArea::Mover::Append(const QString& table, const QString& skipColumn, const QString& offsetColumn,
                                   qint64 offset) {
  const QString name = TableNameOf(table);
  const TTableDef& def = area_.structures_[name];
  QStringList columns, selected;
  QVariantList values;
  for (const TFieldDef& field : def.fields) {
    if (field.name.compare(skipColumn, Qt::CaseInsensitive) == 0) continue;
    const QString column = SqlText::Quote(field.name);
    columns << column;
    if (field.name.compare(offsetColumn, Qt::CaseInsensitive) == 0) {
      selected << QStringLiteral("(%1 + ?)").arg(column);
      values << offset;
    } else {
      selected << column;
    }
  }
  const QString sql = QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4.%1 ORDER BY rowid")
                          .arg(SqlText::Quote(name), columns.join(QLatin1Char(',')), selected.join(QLatin1Char(',')), area_.schema_);
  TQuery query(target_);
  query.Exec(sql, values);
  return query.RowsAffected();
}

void TStagingArea::Mover::AppendMissing(const QString& table) {
  const QString name = SqlText::Quote(TableNameOf(table));
  TQuery(target_).Exec(QStringLiteral("INSERT OR IGNORE INTO main.%1 SELECT * FROM %2.%1 ORDER BY rowid").arg(name, area_.schema_), {});
}

void TStagingArea::Mover::Replace(const QString& table) {
  target_.EmptyTable(TableNameOf(table));
  Append(table);
}

qint64 TStagingArea::Mover::LastInsertId() {
  TQuery query(target_);
  query.Exec(QStringLiteral("SELECT last_insert_rowid()"), {});
  return query.Next() ? query.Value(0).toLongLong() : 0;
}

qint64 TStagingArea::Mover::CountOutside(const QString& table, const QString& column, qint64 first, qint64 last) {
  const QString quoted = SqlText::Quote(column);
  TQuery query(target_);
  query.Exec(QStringLiteral("SELECT COUNT(*) FROM %1.%2 WHERE %3 IS NULL OR %3 NOT BETWEEN ? AND ?")
                 .arg(area_.schema_, SqlText::Quote(TableNameOf(table)), quoted),
             {first, last});
  return query.Next() ? query.Value(0).toLongLong() : 0;
}

void TStagingArea::MoveInto(TDatabase& target, const std::function<void(Mover&)>& work) {
  if (db_->InTransaction()) db_->Commit();
  DetachLeftovers(target);
  TQuery(target).Exec(QStringLiteral("ATTACH DATABASE ? AS ") + schema_, {db_->FilePath()});
  {
    const auto detach = OnScopeExit([&] { Detach(target, schema_); });
    target.RunInTransaction([&] {
      Mover mover(target, *this);
      work(mover);
    });
  }
}
