#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"
#include "platform/engine/TableBackup.h"

#include <QFileInfo>

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
