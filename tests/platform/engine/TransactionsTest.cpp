#include "EngineFixture.h"

#include "platform/engine/TQuery.h"

using Transactions = EngineFixture;

TEST_F(Transactions, ARollbackTakesBackEveryRowAndCursorsFollow) {
  Db().CreateTable(PeopleDef());
  auto people = OpenTable(QStringLiteral("People"));
  Db().StartTransaction();
  for (int i = 0; i < 3; ++i) {
    people->Append();
    people->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("R%1").arg(i));
    people->Post();
  }
  EXPECT_EQ(people->RecordCount(), 3);
  Db().Rollback();
  EXPECT_EQ(people->RecordCount(), 0);
  EXPECT_TRUE(people->FieldByName(QStringLiteral("Name")).IsNull() || people->Eof());
  people->First();
  EXPECT_TRUE(people->Eof());
}

TEST_F(Transactions, ACommitAfterARollbackKeepsOnlyItsOwnRows) {
  Db().CreateTable(PeopleDef());
  auto people = OpenTable(QStringLiteral("People"));
  Db().StartTransaction();
  people->Append();
  people->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("undone"));
  people->Post();
  Db().Rollback();
  Db().StartTransaction();
  people->Append();
  people->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("kept"));
  people->Post();
  Db().Commit();
  people->First();
  EXPECT_EQ(people->RecordCount(), 1);
  EXPECT_EQ(people->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("kept"));
}

TEST_F(Transactions, OneAtATimePerDatabase) {
  EXPECT_EQ(EngineErrorOf([&] { Db().Commit(); }), EngineError::NoTransaction);
  Db().StartTransaction();
  EXPECT_EQ(EngineErrorOf([&] { Db().StartTransaction(); }), EngineError::TransactionActive);
  Db().Rollback();
  EXPECT_FALSE(Db().InTransaction());
}

TEST_F(Transactions, CreatingATableInsideATransactionGoesWithIt) {
  Db().StartTransaction();
  Db().CreateTable(PeopleDef());
  Db().Rollback();
  EXPECT_FALSE(Db().TableExists(QStringLiteral("People")));
}

// A stored file is written ahead and flushed on every commit; a scratch file, thrown away
// after use, is flushed never and keeps its undo in memory.
TEST_F(Transactions, AScratchFilePaysForNoFlushesAStoredOneForEveryCommit) {
  const auto pragma = [](TDatabase& db, const char* name) {
    QSqlQuery query = db.Exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name)), {}, QString());
    return query.next() ? query.value(0).toString() : QString();
  };
  EXPECT_EQ(pragma(Db(), "journal_mode"), "wal");
  EXPECT_EQ(pragma(Db(), "synchronous"), "2");
  QTemporaryDir scratchDir;
  TDatabase scratch(QString(), scratchDir.path());
  scratch.Open(TDatabase::Durability::Scratch);
  EXPECT_EQ(pragma(scratch, "journal_mode"), "memory");
  EXPECT_EQ(pragma(scratch, "synchronous"), "0");
  scratch.Close();
}

TEST_F(Transactions, WorkRunInATransactionIsCommittedOrOnAFailureRolledBack) {
  Db().CreateTable(PeopleDef());
  auto people = OpenTable(QStringLiteral("People"));
  const auto add = [&](const char* name) {
    people->Append();
    people->FieldByName(QStringLiteral("Name")).SetAsString(QString::fromLatin1(name));
    people->Post();
  };
  Db().RunInTransaction([&] { add("kept"); });
  EXPECT_FALSE(Db().InTransaction());
  EXPECT_THROW(Db().RunInTransaction([&] {
    add("undone");
    throw EDBEngineError(EngineError::InvalidValue, QStringLiteral("stop"));
  }),
               EDBEngineError);
  EXPECT_FALSE(Db().InTransaction());
  people->First();
  EXPECT_EQ(people->RecordCount(), 1);
  EXPECT_EQ(people->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("kept"));
}
