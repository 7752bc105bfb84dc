#include "model/TStagingArea.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "platform/sys/ScopeGuard.h"

#include <QHash>
#include <QTemporaryDir>

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

// Answers false when the scratch database stays attached.
bool Detach(TDatabase& target, const QString& schema) {
  try {
    TQuery(target).Exec(QStringLiteral("DETACH DATABASE ") + schema, {});
    return true;
  } catch (const EDBEngineError&) {
    // Still in use (a result left open on it): the next move into the same connection
    // tries again, and the connection's close drops it at the latest.
    const std::lock_guard<std::mutex> guard(LeftoversLock());
    Leftovers()[target.Connection().connectionName()].append(schema);
    return false;
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

struct TStagingArea::Scratch {
  QTemporaryDir dir;
  std::unique_ptr<TDatabase> db;
  QHash<QString, TTableDef> structures;
  QHash<QString, std::shared_ptr<TTable>> twins;

  Scratch() {
    if (!dir.isValid()) throw EDBEngineError(EngineError::OsError, QStringLiteral("Staging folder: ") + dir.errorString());
    db = std::make_unique<TDatabase>(QString(), dir.path());
    // A scratch file needs no durability: it is thrown away after the move, and a crash
    // before the move loses nothing that was stored. So no disk flushes are paid for it.
    db->Open(TDatabase::Durability::Scratch);
  }
  ~Scratch() {
    twins.clear();
    try {
      db->Close();
    } catch (const EDBEngineError&) {
    }
  }

  // Takes the rows out of every twin, so that the next area finds them empty and their
  // autoincrement fields count from 1 again.
  void Empty() {
    db->RunInTransaction([&] {
      bool counted = false;
      for (auto it = twins.begin(); it != twins.end(); ++it) {
        it.value()->EmptyTable();
        counted = counted || structures.value(it.key()).AutoIncField() >= 0;
      }
      if (counted) db->Exec(QStringLiteral("DELETE FROM sqlite_sequence"), {}, QStringLiteral("Staging area"));
    });
  }
};

namespace {
// As many as the saves that usually overlap (each decodes while events run).
constexpr size_t kKeptScratch = 8;
} // namespace

std::vector<std::unique_ptr<TStagingArea::Scratch>>& TStagingArea::KeptScratch() {
  thread_local std::vector<std::unique_ptr<Scratch>> kept;
  return kept;
}

TStagingArea::TStagingArea() : schema_(NewSchemaName()) {
  auto& kept = KeptScratch();
  while (!kept.empty() && !scratch_) {
    std::unique_ptr<Scratch> candidate = std::move(kept.back());
    kept.pop_back();
    // A database closed meanwhile (the session closed everything) is not taken.
    if (candidate->db->Connected()) scratch_ = std::move(candidate);
  }
  if (!scratch_) scratch_ = std::make_unique<Scratch>();
  // One transaction for all staged rows: nothing else uses this file, and it saves a
  // disk flush per row.
  scratch_->db->StartTransaction();
}

TStagingArea::~TStagingArea() {
  // Only a scratch database that was moved (its rows committed there) and detached is
  // known to hold nothing but the twins.
  if (!reusable_ || scratch_->db->InTransaction() || KeptScratch().size() >= kKeptScratch) return;
  try {
    scratch_->Empty();
  } catch (const EDBEngineError&) {
    return;
  }
  KeptScratch().push_back(std::move(scratch_));
}

TTable& TStagingArea::Twin(const TTableDef& structure) {
  const QString name = TableNameOf(structure.name);
  TTableDef def = structure;
  def.name = name;
  auto& twins = scratch_->twins;
  if (order_.contains(name)) return *twins.value(name);
  // A twin kept from an earlier area serves when it has the structure asked for.
  if (auto it = twins.constFind(name); it != twins.constEnd()) {
    if (scratch_->structures.value(name) == def) {
      order_.append(name);
      return **it;
    }
    twins.remove(name);
    scratch_->db->DeleteTable(name);
  }
  scratch_->db->CreateTable(def);
  auto table = std::make_shared<TTable>();
  table->SetDatabase(scratch_->db.get());
  table->SetTableName(name);
  table->Open();
  twins.insert(name, table);
  scratch_->structures.insert(name, def);
  order_.append(name);
  return *table;
}

bool TStagingArea::HasTwin(const QString& table) const { return order_.contains(TableNameOf(table)); }

qint64 TStagingArea::Mover::Append(const QString& table, const QString& skipColumn, const QString& offsetColumn,
                                   qint64 offset) {
  const QString name = TableNameOf(table);
  const TTableDef def = area_.scratch_->structures.value(name);
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
  TDatabase& scratch = *scratch_->db;
  if (scratch.InTransaction()) scratch.Commit();
  DetachLeftovers(target);
  TQuery(target).Exec(QStringLiteral("ATTACH DATABASE ? AS ") + schema_, {scratch.FilePath()});
  {
    const auto detach = OnScopeExit([&] { reusable_ = Detach(target, schema_) && reusable_; });
    target.RunInTransaction([&] {
      Mover mover(target, *this);
      work(mover);
    });
  }
}
