#include "reports/TdmInvtUpdate.h"

#include "model/TableOpening.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TSession.h"
#include "platform/sys/ScopeGuard.h"
#include "reports/EInvtUpdate.h"

namespace {
const QString kRule = QStringLiteral("V6InventoryUpdate");
const QString kUpdated = QStringLiteral("Updated");
const QString kUpdatable = QStringLiteral("Updatable");
const QStringList kIdentity = {QStringLiteral("Poll Date"), QStringLiteral("Ecr Date"), QStringLiteral("Machine Id"),
                               QStringLiteral("Store Number"), QStringLiteral("Machine Number")};

QString Data() { return QString::fromLatin1(EngineConfig::kDataAlias); }

QList<TFieldDef> IdentityFields() {
  return {{kIdentity[0], TFieldType::DateTime},
          {kIdentity[1], TFieldType::DateTime},
          {kIdentity[2], TFieldType::Alpha, 24},
          {kIdentity[3], TFieldType::Long},
          {kIdentity[4], TFieldType::Long}};
}

TIndexDef PrimaryOn(const QList<TFieldDef>& fields) {
  TIndexDef primary;
  for (const TFieldDef& field : fields) primary.fields.append(field.name);
  primary.primary = primary.unique = true;
  return primary;
}

void Define(TTable& table, const TTableDef& def) {
  table.FieldDefs() = def.fields;
  table.IndexDefs() = def.indexes;
}

// The columns as a list of quoted names, with a table prefix when given.
QString Columns(const QStringList& names, const QString& prefix = {}) {
  QStringList quoted;
  for (const QString& name : names) quoted.append(prefix + SqlText::Quote(name));
  return quoted.join(QStringLiteral(", "));
}

// "u."Poll Date" IS a."Poll Date" AND ..." (IS: empty values match too).
QString SameIdentity(const QString& left, const QString& right) {
  QStringList terms;
  for (const QString& name : kIdentity)
    terms.append(QStringLiteral("%1.%3 IS %2.%3").arg(left, right, SqlText::Quote(name)));
  return terms.join(QStringLiteral(" AND "));
}
} // namespace

TTableDef TdmInvtUpdate::V6InvtUpdateDef() {
  TTableDef def{kRule,
                {{QStringLiteral("Report Name"), TFieldType::Alpha, 24},
                 {QStringLiteral("Poll Type"), TFieldType::Alpha, 16},
                 {QStringLiteral("Polled Area"), TFieldType::Alpha, 16}},
                {}};
  def.indexes = {PrimaryOn(def.fields.mid(0, 1))};
  return def;
}

TTableDef TdmInvtUpdate::UpdatedDef() {
  TTableDef def{kUpdated, IdentityFields(), {}};
  def.indexes = {PrimaryOn(def.fields)};
  return def;
}

TTableDef TdmInvtUpdate::UpdatableDef() {
  TTableDef def{kUpdatable, {{QStringLiteral("Poll Id"), TFieldType::Long}}, {}};
  def.fields += IdentityFields();
  def.indexes = {PrimaryOn(def.fields)};
  return def;
}

TIndexDef TdmInvtUpdate::InventoryUpdateIndex() {
  TIndexDef index{QStringLiteral("InventoryUpdate"),
                  {QStringLiteral("Report Name"), QStringLiteral("Poll Type"), QStringLiteral("Polled Area")}};
  index.caseInsensitive = true;
  return index;
}

TdmInvtUpdate::TdmInvtUpdate()
    : allPolls_(Data(), QStringLiteral("AllPolls")), rule_(Data(), kRule), updated_(Data(), kUpdated),
      updatable_(Data(), kUpdatable) {}

void TdmInvtUpdate::Open() {
  if (Active()) return;
  const auto closeAgain = OnScopeFailure([this] { Close(); });
  tEcrRpt::OpenAllPolls();
  EnsureInventoryIndex();
  OpenRule();
  OpenOrCreateTable(updated_, [](TTable& t) { Define(t, UpdatedDef()); });
  OpenOrCreateTable(updatable_, [](TTable& t) { Define(t, UpdatableDef()); });
  updatable_.Close();
  updatable_.EmptyTable();
  FillUpdatable();
  updatable_.Open();
}

void TdmInvtUpdate::Close() {
  for (TTable* table : {&allPolls_, &rule_, &updated_, &updatable_}) table->Close();
}

void TdmInvtUpdate::EnsureInventoryIndex() {
  allPolls_.Open();
  if (allPolls_.Structure().FindIndex(InventoryUpdateIndex().name)) return;
  allPolls_.Close();
  allPolls_.AddIndex(InventoryUpdateIndex());
  allPolls_.Open();
}

void TdmInvtUpdate::OpenRule() {
  if (OpenOrCreateTable(rule_, [](TTable& t) { Define(t, V6InvtUpdateDef()); })) {
    rule_.Append();
    rule_.FieldByName(QStringLiteral("Report Name")).SetAsString(QStringLiteral("PLU"));
    rule_.FieldByName(QStringLiteral("Poll Type")).SetAsString(QStringLiteral("Z"));
    rule_.FieldByName(QStringLiteral("Polled Area")).SetAsString(QStringLiteral("AREA 1"));
    rule_.Post();
  }
  rule_.First();
  reportName_ = rule_.FieldByName(QStringLiteral("Report Name")).AsString();
  pollType_ = rule_.FieldByName(QStringLiteral("Poll Type")).AsString();
  polledArea_ = rule_.FieldByName(QStringLiteral("Polled Area")).AsString();
}

// The qualifying polls match the rule's row ignoring case, as the case-insensitive index does.
void TdmInvtUpdate::FillUpdatable() {
  if (rule_.IsEmpty()) return;
  const QStringList columns = QStringList{QStringLiteral("Poll Id")} + kIdentity;
  TQuery(Data()).Exec(QStringLiteral("INSERT INTO \"Updatable\" (%1) SELECT %2 FROM \"AllPolls\" a "
                                     "WHERE a.\"Report Name\" = ? COLLATE NOCASE AND a.\"Poll Type\" = ? COLLATE NOCASE "
                                     "AND a.\"Polled Area\" = ? COLLATE NOCASE "
                                     "AND NOT EXISTS (SELECT 1 FROM \"Updated\" u WHERE %3)")
                          .arg(Columns(columns), Columns(columns, QStringLiteral("a.")), SameIdentity(QStringLiteral("u"), QStringLiteral("a"))),
                      {reportName_, pollType_, polledArea_});
}

QList<qint32> TdmInvtUpdate::UpdatablePollIds() {
  QList<qint32> ids;
  TQuery query(Data());
  query.Exec(QStringLiteral("SELECT \"Poll Id\" FROM \"Updatable\" ORDER BY %1").arg(Columns(QStringList{QStringLiteral("Poll Id")} + kIdentity)), {});
  while (query.Next()) ids.append(query.Value(0).toInt());
  return ids;
}

bool TdmInvtUpdate::UpdatableEmpty() {
  TQuery query(Data());
  query.Exec(QStringLiteral("SELECT 1 FROM \"Updatable\" LIMIT 1"), {});
  return !query.Next();
}

bool TdmInvtUpdate::IsUpdated(qint32 pollId) {
  TQuery query(Data());
  query.Exec(QStringLiteral("SELECT 1 FROM \"Updated\" u, \"Updatable\" a WHERE a.\"Poll Id\" = ? AND %1")
                 .arg(SameIdentity(QStringLiteral("u"), QStringLiteral("a"))),
             {pollId});
  return query.Next();
}

void TdmInvtUpdate::MarkUpdated(qint32 pollId, const std::function<void()>& beforeCommit) {
  TDatabase& database = TSession::Default().Database(Data());
  database.RunInTransaction([&] {
    TQuery insert(database);
    insert.Exec(QStringLiteral("INSERT INTO \"Updated\" (%1) SELECT %1 FROM \"Updatable\" WHERE \"Poll Id\" = ?").arg(Columns(kIdentity)),
                {pollId});
    if (insert.RowsAffected() != 1) throw EInvtUpdate(QStringLiteral("Poll %1 is not in the list of polls to write.").arg(pollId));
    TQuery(database).Exec(QStringLiteral("DELETE FROM \"Updatable\" WHERE \"Poll Id\" = ?"), {pollId});
    beforeCommit();
  });
}
