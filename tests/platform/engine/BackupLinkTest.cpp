// The connection backup copies are made on stays open between copies: it must follow
// whatever happened to either file meanwhile, hold nothing between copies, and close with
// its database.
#include "EngineFixture.h"

#include "platform/engine/BackupLink.h"
#include "platform/engine/StructureCheck.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TableBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
TTableDef NotesDef() {
  return {QStringLiteral("Notes"), {{QStringLiteral("Text"), TFieldType::Alpha, 20}}, {}};
}

TTableDef NotesAgainDef() {
  TTableDef def{QStringLiteral("Notes"), {{QStringLiteral("Day"), TFieldType::Long}, {QStringLiteral("Text"), TFieldType::Alpha, 30}}, {}};
  def.indexes = {{QStringLiteral("ByDay"), {QStringLiteral("Day")}, false, false}};
  return def;
}

QStringList Texts(TDatabase& db, const QString& table) {
  QSqlQuery query = db.Exec(QStringLiteral("SELECT \"Text\" FROM \"%1\" ORDER BY rowid").arg(table), {}, QString());
  QStringList texts;
  while (query.next()) texts << query.value(0).toString();
  return texts;
}

class BackupConnection : public EngineFixture {
protected:
  QString BackupFile() const { return Folder() + QStringLiteral("/Backup/tillbridge.db"); }
  void Copy() { TableBackup::CopyToBackup(Db(), QStringLiteral("Notes")); }
  void Add(const QString& text) { Db().Exec(QStringLiteral("INSERT INTO \"Notes\" (\"Text\") VALUES (?)"), {text}, QString()); }
  // The copy as another connection reads it now.
  QStringList Copied() {
    TDatabase backup(QString(), Folder() + QStringLiteral("/Backup"));
    backup.Open();
    return Texts(backup, QStringLiteral("Notes"));
  }
  std::optional<TTableDef> CopiedDef() {
    TDatabase backup(QString(), Folder() + QStringLiteral("/Backup"));
    backup.Open();
    return backup.ReadTableDef(QStringLiteral("Notes"));
  }
};
} // namespace

TEST_F(BackupConnection, ATableMadeAgainByAnotherConnectionIsCopiedWithItsNewStructure) {
  CreateFilled(NotesDef(), {{QStringLiteral("old")}});
  Copy();
  {
    TDatabase other(QString(), Folder());
    other.Open();
    other.DeleteTable(QStringLiteral("Notes"));
    other.CreateTable(NotesAgainDef());
    other.Exec(QStringLiteral("INSERT INTO \"Notes\" VALUES (1, 'new')"), {}, QString());
  }
  Copy();
  EXPECT_EQ(Copied(), QStringList{QStringLiteral("new")});
  ASSERT_TRUE(CopiedDef());
  EXPECT_TRUE(StructureCheck::Differences(NotesAgainDef(), *CopiedDef()).isEmpty());
}

TEST_F(BackupConnection, ACopyAfterTheBackupFolderWasDeletedMakesItAgain) {
  CreateFilled(NotesDef(), {{QStringLiteral("one")}});
  Copy();
  ASSERT_TRUE(QDir(Folder() + QStringLiteral("/Backup")).removeRecursively());
  Add(QStringLiteral("two"));
  Copy();
  ASSERT_TRUE(QFileInfo::exists(BackupFile()));
  EXPECT_EQ(Copied(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

TEST_F(BackupConnection, ACopyAfterTheBackupFileWasReplacedWritesTheNewFile) {
  CreateFilled(NotesDef(), {{QStringLiteral("one")}});
  Copy();
  for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) QFile::remove(BackupFile() + suffix);
  { // another program's empty backup file in its place
    TDatabase fresh(QString(), Folder() + QStringLiteral("/Backup"));
    fresh.Open();
  }
  Copy();
  EXPECT_EQ(Copied(), QStringList{QStringLiteral("one")});
}

// Neither file may be held between copies: the source's log can be wound back to nothing
// and another connection can write the backup file at once.
TEST_F(BackupConnection, BetweenCopiesNeitherFileIsHeld) {
  CreateFilled(NotesDef(), {{QStringLiteral("one")}});
  Copy();
  Add(QStringLiteral("two"));
  QSqlQuery checkpoint = Db().Exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), {}, QString());
  ASSERT_TRUE(checkpoint.next());
  EXPECT_EQ(checkpoint.value(0).toInt(), 0); // not kept busy by a reader
  checkpoint.finish();
  TDatabase backup(QString(), Folder() + QStringLiteral("/Backup"));
  backup.Open();
  EXPECT_EQ(EngineErrorOf([&] {
              backup.RunInTransaction([&] { backup.Exec(QStringLiteral("DELETE FROM \"Notes\""), {}, QString()); });
            }),
            0);
  QSqlQuery backupCheckpoint = backup.Exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), {}, QString());
  ASSERT_TRUE(backupCheckpoint.next());
  EXPECT_EQ(backupCheckpoint.value(0).toInt(), 0);
}

TEST_F(BackupConnection, TheCopyIsRightAfterARestore) {
  CreateFilled(NotesDef(), {{QStringLiteral("one")}, {QStringLiteral("two")}});
  Copy();
  Db().Exec(QStringLiteral("DELETE FROM \"Notes\" WHERE \"Text\" = 'two'"), {}, QString());
  TableBackup::RestoreFromBackup(Db(), QStringLiteral("Notes"));
  ASSERT_EQ(Texts(Db(), QStringLiteral("Notes")), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
  Db().Exec(QStringLiteral("UPDATE \"Notes\" SET \"Text\" = 'first' WHERE \"Text\" = 'one'"), {}, QString());
  Add(QStringLiteral("three"));
  Copy();
  EXPECT_EQ(Copied(), Texts(Db(), QStringLiteral("Notes")));
  Db().Exec(QStringLiteral("DELETE FROM \"Notes\""), {}, QString());
  TableBackup::RestoreFromBackup(Db(), QStringLiteral("Notes"));
  EXPECT_EQ(Texts(Db(), QStringLiteral("Notes")),
            (QStringList{QStringLiteral("first"), QStringLiteral("two"), QStringLiteral("three")}));
}

// The last connection to a file that closes folds its log back into the file: the log
// left behind would show a backup connection still open.
TEST_F(BackupConnection, ClosingTheDatabaseClosesItsBackupConnection) {
  CreateFilled(NotesDef(), {{QStringLiteral("one")}});
  Copy();
  ASSERT_NE(Db().KeptBackupLink(), nullptr);
  Db().Close();
  EXPECT_EQ(Db().KeptBackupLink(), nullptr);
  EXPECT_FALSE(QFileInfo::exists(BackupFile() + QStringLiteral("-wal")));
  EXPECT_FALSE(QFileInfo::exists(Folder() + QStringLiteral("/tillbridge.db-wal")));
}

TEST_F(BackupConnection, ClosingEveryDatabaseOfTheSessionClosesTheBackupConnection) {
  CreateFilled(NotesDef(), {{QStringLiteral("one")}});
  Copy();
  TSession::Default().CloseAll();
  EXPECT_EQ(Db().KeptBackupLink(), nullptr);
  EXPECT_FALSE(QFileInfo::exists(BackupFile() + QStringLiteral("-wal")));
}
