#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"
#include "platform/engine/TableBackup.h"
#include "platform/engine/TableBackupLog.h"

#include <QFileInfo>
#include <QSqlRecord>

using TableBackupCopy = EngineFixture;

TEST_F(TableBackupCopy, TheCopyHasTheStructureAndRowsAndReplacesTheLastCopy) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30},
                             {QVariant(), QStringLiteral("Bob"), QStringLiteral("Rome"), 40}});
  TableBackup::CopyToBackup(Db(), QStringLiteral("People.DB"));
  EXPECT_TRUE(QFileInfo::exists(Folder() + QStringLiteral("/Backup/tillbridge.db")));
  auto people = OpenTable(QStringLiteral("People"));
  people->Delete();
  TableBackup::CopyToBackup(Db(), QStringLiteral("People"));

  TDatabase backup(QString(), Folder() + QStringLiteral("/Backup"));
  backup.Open();
  EXPECT_TRUE(StructureCheck::Differences(PeopleDef(), *backup.ReadTableDef(QStringLiteral("People"))).isEmpty());
  TTable copy;
  copy.SetDatabase(&backup);
  copy.SetTableName(QStringLiteral("People"));
  copy.Open();
  ASSERT_EQ(copy.RecordCount(), 1);
  EXPECT_EQ(copy.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Bob"));
  EXPECT_EQ(copy.FieldByName(QStringLiteral("Id")).AsInteger(), 2);
}

TEST_F(TableBackupCopy, AMissingTableIsReportedAndNoCopyIsMade) {
  EXPECT_EQ(EngineErrorOf([&] { TableBackup::CopyToBackup(Db(), QStringLiteral("Nowhere")); }), EngineError::TableMissing);
  EXPECT_FALSE(QFileInfo::exists(Folder() + QStringLiteral("/Backup")));
}

TEST_F(TableBackupCopy, ACopyDoesNotWaitForTheSourcesWriter) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30}});
  Db().StartTransaction();
  Db().Exec(QStringLiteral("INSERT INTO \"People\" (\"Name\") VALUES (?)"), {QStringLiteral("uncommitted")}, QString());
  TableBackup::CopyToBackup(Db(), QStringLiteral("People"));
  Db().Rollback();
  TDatabase backup(QString(), Folder() + QStringLiteral("/Backup"));
  backup.Open();
  TTable copy;
  copy.SetDatabase(&backup);
  copy.SetTableName(QStringLiteral("People"));
  copy.Open();
  EXPECT_EQ(copy.RecordCount(), 1); // the table as last committed
}

namespace {
// A report-like table without an autoincrement field, so that record ids of rows deleted
// at the top are given again.
TTableDef RowsDef() {
  TTableDef def{QStringLiteral("Rows"), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long}, {QStringLiteral("Text"), TFieldType::Alpha, 20}};
  def.indexes = {{QStringLiteral("ByPoll"), {QStringLiteral("Poll Id")}, false, false}};
  return def;
}

// Every row with its record id, in record id order.
QStringList Contents(TDatabase& db, const QString& table) {
  QSqlQuery query = db.Exec(QStringLiteral("SELECT rowid, * FROM \"%1\" ORDER BY rowid").arg(table), {}, QString());
  QStringList rows;
  while (query.next()) {
    QStringList values;
    for (int i = 0; i < query.record().count(); ++i) values << query.value(i).toString();
    rows << values.join(QLatin1Char('|'));
  }
  return rows;
}

class TableBackupChanges : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    Db().CreateTable(RowsDef());
  }
  void Run(const QString& sql, const QVariantList& values = {}) { Db().Exec(sql, values, QString()); }
  void Add(int poll, const QString& text) {
    Run(QStringLiteral("INSERT INTO \"Rows\" VALUES (?, ?)"), {poll, text});
  }
  // A connection of its own each time: the copy's structure may have changed under the
  // last one.
  TDatabase& Backup() {
    backup_.reset();
    backup_ = std::make_unique<TDatabase>(QString(), TableBackup::BackupFolder(Db()));
    backup_->Open();
    return *backup_;
  }
  void TearDown() override {
    backup_.reset();
    EngineFixture::TearDown();
  }
  qint64 Logged() {
    QSqlQuery query = Db().Exec(QStringLiteral("SELECT count(*) FROM tb_backup_changes"), {}, QString());
    return query.next() ? query.value(0).toLongLong() : -1;
  }
  std::unique_ptr<TDatabase> backup_;
};
} // namespace

TEST_F(TableBackupChanges, EachCopyFollowsTheRowsAddedChangedAndDeletedSinceTheLast) {
  for (int i = 1; i <= 5; ++i) Add(i, QStringLiteral("row %1").arg(i));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  const QList<std::pair<const char*, QString>> steps = {
      {"added at the top", QStringLiteral("INSERT INTO \"Rows\" VALUES (6, 'six')")},
      {"changed", QStringLiteral("UPDATE \"Rows\" SET \"Text\" = 'two' WHERE \"Poll Id\" = 2")},
      {"moved to another record id", QStringLiteral("UPDATE \"Rows\" SET rowid = 100 WHERE \"Poll Id\" = 3")},
      {"deleted in the middle", QStringLiteral("DELETE FROM \"Rows\" WHERE \"Poll Id\" = 4")},
      {"deleted at the top", QStringLiteral("DELETE FROM \"Rows\" WHERE rowid >= 6")},
      {"its record id given again", QStringLiteral("INSERT INTO \"Rows\" VALUES (7, 'seven')")},
      {"emptied", QStringLiteral("DELETE FROM \"Rows\"")},
      {"filled anew", QStringLiteral("INSERT INTO \"Rows\" VALUES (8, 'eight'), (9, 'nine')")},
  };
  for (const auto& [what, sql] : steps) {
    Run(sql);
    TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
    EXPECT_EQ(Contents(Backup(), QStringLiteral("Rows")), Contents(Db(), QStringLiteral("Rows"))) << what;
    EXPECT_EQ(Logged(), 0) << what << ": the copy has taken the change list";
  }
}

TEST_F(TableBackupChanges, ALaterCopyWritesOnlyWhatChanged) {
  Add(1, QStringLiteral("one"));
  Add(2, QStringLiteral("two"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  // A mark in the copy that a full copy would overwrite.
  Backup().Exec(QStringLiteral("UPDATE \"Rows\" SET \"Text\" = 'mark' WHERE \"Poll Id\" = 1"), {}, QString());
  Add(3, QStringLiteral("three"));
  Run(QStringLiteral("UPDATE \"Rows\" SET \"Text\" = 'TWO' WHERE \"Poll Id\" = 2"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  EXPECT_EQ(Contents(Backup(), QStringLiteral("Rows")), (QStringList{QStringLiteral("1|1|mark"), QStringLiteral("2|2|TWO"),
                                                                     QStringLiteral("3|3|three")}));
}

TEST_F(TableBackupChanges, ATableMadeAgainIsCopiedInFull) {
  Add(1, QStringLiteral("one"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  const QList<std::pair<const char*, TTableDef>> remakes = {
      {"same structure", RowsDef()},
      {"another structure", [] {
         TTableDef def = RowsDef();
         def.fields.append({QStringLiteral("More"), TFieldType::Long});
         return def;
       }()},
  };
  for (const auto& [what, def] : remakes) {
    Db().DeleteTable(QStringLiteral("Rows"));
    Db().CreateTable(def);
    // Made without the change list's triggers: record ids 1 and 2 hold other rows now.
    Run(QStringLiteral("INSERT INTO \"Rows\" (\"Poll Id\", \"Text\") VALUES (5, 'five'), (6, 'six')"));
    TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
    EXPECT_EQ(Contents(Backup(), QStringLiteral("Rows")), Contents(Db(), QStringLiteral("Rows"))) << what;
    EXPECT_TRUE(StructureCheck::Differences(def, *Backup().ReadTableDef(QStringLiteral("Rows"))).isEmpty()) << what;
  }
}

TEST_F(TableBackupChanges, ACopyInsideTheCallersTransactionIsMadeInFullAndTheNextOneStillFollows) {
  Add(1, QStringLiteral("one"));
  Db().StartTransaction();
  Add(2, QStringLiteral("uncommitted"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  Db().Rollback();
  EXPECT_EQ(Contents(Backup(), QStringLiteral("Rows")), QStringList{QStringLiteral("1|1|one")});
  Run(QStringLiteral("UPDATE \"Rows\" SET \"Text\" = 'ONE'"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  Run(QStringLiteral("DELETE FROM \"Rows\""));
  Add(3, QStringLiteral("three"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  EXPECT_EQ(Contents(Backup(), QStringLiteral("Rows")), Contents(Db(), QStringLiteral("Rows")));
}

TEST_F(TableBackupChanges, AfterManyCopiesTheTableIsRestoredAsLastCopiedAndTheCopyGoesOn) {
  quint32 seed = 11;
  auto next = [&seed](quint32 below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  };
  int poll = 0;
  for (int round = 0; round < 60; ++round) {
    for (quint32 n = next(4); n > 0; --n) {
      ++poll;
      Add(poll, QStringLiteral("poll %1").arg(poll));
    }
    if (next(3) == 0) Run(QStringLiteral("DELETE FROM \"Rows\" WHERE \"Poll Id\" = ?"), {int(next(poll + 1))});
    if (next(3) == 0) Run(QStringLiteral("DELETE FROM \"Rows\" WHERE rowid = (SELECT max(rowid) FROM \"Rows\")"));
    if (next(4) == 0) Run(QStringLiteral("UPDATE \"Rows\" SET \"Text\" = ? WHERE \"Poll Id\" = ?"), {round, int(next(poll + 1))});
    TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  }
  const QStringList copied = Contents(Db(), QStringLiteral("Rows"));
  ASSERT_GT(copied.size(), 20);
  Add(999, QStringLiteral("after the last copy"));
  Db().DeleteTable(QStringLiteral("Rows"));

  TableBackup::RestoreFromBackup(Db(), QStringLiteral("Rows"));
  EXPECT_EQ(Contents(Db(), QStringLiteral("Rows")), copied);
  EXPECT_TRUE(StructureCheck::Differences(RowsDef(), *Db().ReadTableDef(QStringLiteral("Rows"))).isEmpty());
  // The restored table's changes reach the copy again.
  Run(QStringLiteral("DELETE FROM \"Rows\" WHERE rowid = (SELECT min(rowid) FROM \"Rows\")"));
  Add(1000, QStringLiteral("after the restore"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  EXPECT_EQ(Contents(Backup(), QStringLiteral("Rows")), Contents(Db(), QStringLiteral("Rows")));
}

TEST_F(TableBackupChanges, ARestoreNeedsACopyAndATableNoCursorHoldsOpen) {
  EXPECT_EQ(EngineErrorOf([&] { TableBackup::RestoreFromBackup(Db(), QStringLiteral("Rows")); }), EngineError::TableMissing);
  Add(1, QStringLiteral("one"));
  TableBackup::CopyToBackup(Db(), QStringLiteral("Rows"));
  EXPECT_EQ(EngineErrorOf([&] { TableBackup::RestoreFromBackup(Db(), QStringLiteral("Nowhere")); }), EngineError::TableMissing);
  Add(2, QStringLiteral("two"));
  {
    auto open = OpenTable(QStringLiteral("Rows"));
    EXPECT_EQ(EngineErrorOf([&] { TableBackup::RestoreFromBackup(Db(), QStringLiteral("Rows")); }), EngineError::TableBusy);
  }
  EXPECT_EQ(Contents(Db(), QStringLiteral("Rows")).size(), 2); // a refused restore changes nothing
  TableBackup::RestoreFromBackup(Db(), QStringLiteral("Rows"));
  EXPECT_EQ(Contents(Db(), QStringLiteral("Rows")), QStringList{QStringLiteral("1|1|one")});
}

TEST_F(TableBackupCopy, TheListOfChangedRowsIsNotAmongTheFilesTables) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30}});
  TableBackup::CopyToBackup(Db(), QStringLiteral("People"));
  ASSERT_TRUE(TableBackupLog::IsLogged(Db(), QStringLiteral("People")));
  EXPECT_EQ(Db().TableNames(), QStringList{QStringLiteral("People")});
}
