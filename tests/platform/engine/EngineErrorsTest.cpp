#include "EngineFixture.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "platform/sys/TimingProfile.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

using EngineErrors = EngineFixture;

TEST_F(EngineErrors, AMissingTableIs9988) {
  auto call = [&] { OpenTable(QStringLiteral("Nowhere")); };
  EXPECT_EQ(EngineErrorOf(call), 9988);
  try {
    call();
  } catch (const EDBEngineError& e) {
    EXPECT_TRUE(e.IsMissing());
    EXPECT_EQ(e.Errors(e.ErrorCount() - 1).message, QStringLiteral("Table does not exist."));
    EXPECT_TRUE(e.Message().contains(QStringLiteral("Nowhere")));
  }
}

TEST_F(EngineErrors, AMissingFolderIs11010) {
  TDatabase db(QString(), Folder() + QStringLiteral("/not/there"));
  EXPECT_EQ(EngineErrorOf([&] { db.Open(); }), 11010);
  TTable table(Folder() + QStringLiteral("/not/there"), QStringLiteral("AllPolls"));
  EXPECT_EQ(EngineErrorOf([&] { table.Open(); }), 11010);
  EngineConfig::SetAlias(QStringLiteral("GONE"), Folder() + QStringLiteral("/gone"));
  TTable viaAlias(QStringLiteral("GONE"), QStringLiteral("AllPolls"));
  EXPECT_EQ(EngineErrorOf([&] { viaAlias.Open(); }), 11010);
}

TEST_F(EngineErrors, AnUnknownAliasIsTheEnginesError) {
  EXPECT_EQ(EngineErrorOf([] { TSession::Default().AliasPath(QStringLiteral("NO_SUCH_ALIAS")); }),
            EngineError::UnknownDatabase);
  TTable table(QStringLiteral("NO_SUCH_ALIAS"), QStringLiteral("AllPolls"));
  EXPECT_EQ(EngineErrorOf([&] { table.Open(); }), EngineError::UnknownDatabase);
}

// A damaged file must never pass for a missing one: whoever re-creates missing tables
// would otherwise replace stored data with an empty table.
TEST_F(EngineErrors, ADamagedFileIsCorruptNeverMissing) {
  db_.reset();
  const QString file = Folder() + QStringLiteral("/tillbridge.db");
  QFile::remove(file);
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(QByteArray(8192, 'x'));
  out.close();
  TDatabase db(QString(), Folder());
  const int code = EngineErrorOf([&] { db.Open(); });
  EXPECT_EQ(code, EngineError::TableCorrupt);
  EXPECT_EQ(QFile(file).size(), 8192); // left alone
}

// A file of no bytes is damaged too, unless nothing else is in its folder yet: a first
// open that was cut short before anything was written leaves just that.
TEST_F(EngineErrors, AnEmptyFileIsCorruptUnlessItsFolderIsNew) {
  struct Case {
    const char* what;
    QStringList otherFiles;
    int code;
  };
  const QList<Case> cases = {
      {"alone in its folder", {}, 0},
      {"beside its own shared-memory file", {QStringLiteral("tillbridge.db-shm")}, 0},
      {"beside an export", {QStringLiteral("sales.txt")}, EngineError::TableCorrupt},
      {"beside a hidden file", {QStringLiteral(".settings")}, EngineError::TableCorrupt},
      {"beside a folder", {QStringLiteral("backup/")}, EngineError::TableCorrupt},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString folder = Folder() + QStringLiteral("/case%1").arg(++n);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/tillbridge.db");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    for (const QString& other : c.otherFiles) {
      if (other.endsWith(QLatin1Char('/'))) {
        ASSERT_TRUE(QDir(folder).mkdir(other.chopped(1)));
      } else {
        QFile out(folder + QLatin1Char('/') + other);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
      }
    }
    TDatabase db(QString(), folder);
    EXPECT_EQ(EngineErrorOf([&] { db.Open(); }), c.code);
    if (c.code != 0) {
      EXPECT_EQ(QFile(file).size(), 0); // left alone
    }
    db.Close();
  }
}

TEST_F(EngineErrors, AColumnOfAForeignTypeMakesTheTableUnreadableNotMissing) {
  Db().Exec(QStringLiteral("CREATE TABLE \"Strange\" (\"A\" VARCHAR(10))"), {}, QString());
  EXPECT_EQ(EngineErrorOf([&] { OpenTable(QStringLiteral("Strange")); }), EngineError::TableCorrupt);
}

TEST_F(EngineErrors, ADuplicateKeyIsAKeyViolation) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30}});
  Db().AddIndex(QStringLiteral("People"), {QStringLiteral("UniqueCity"), {QStringLiteral("City")}, false, true});
  auto table = OpenTable(QStringLiteral("People"));
  table->Append();
  table->FieldByName(QStringLiteral("City")).SetAsString(QStringLiteral("Oslo"));
  try {
    table->Post();
    FAIL() << "no key violation";
  } catch (const EDBEngineError& e) {
    EXPECT_EQ(e.ErrorCode(), 9729);
    EXPECT_EQ(e.Errors(0).message, QStringLiteral("Key violation."));
  }
  // The record stays in insert mode with its values; changing the key lets it post.
  EXPECT_EQ(table->State(), TDataSetState::Insert);
  table->FieldByName(QStringLiteral("City")).SetAsString(QStringLiteral("Bergen"));
  table->Post();
  EXPECT_EQ(table->RecordCount(), 2);
}

TEST_F(EngineErrors, AWriterBlockedByAnotherConnectionGetsBusyNotAHang) {
  TimingProfile profile;
  profile.intervals.insert(QStringLiteral("EngineBusyTimeout"), 50);
  ScopedTimingProfile scoped(profile);
  Db().CreateTable(PeopleDef());
  TDatabase other(QString(), Folder());
  other.Open();
  Db().StartTransaction();
  Db().Exec(QStringLiteral("INSERT INTO \"People\" (\"Name\") VALUES (?)"), {QStringLiteral("held")}, QString());
  TTable table;
  table.SetDatabase(&other);
  table.SetTableName(QStringLiteral("People"));
  table.Open();
  table.Append();
  EXPECT_EQ(EngineErrorOf([&] { table.Post(); }), EngineError::TableBusy);
  Db().Rollback();
  table.Post();
  EXPECT_EQ(table.RecordCount(), 1);
}

// Another program holding the file: the table is there, just not reachable now.
TEST_F(EngineErrors, AFileHeldByAnotherProgramIsBusyNeverMissing) {
  TimingProfile profile;
  profile.intervals.insert(QStringLiteral("EngineBusyTimeout"), 50);
  ScopedTimingProfile scoped(profile);
  Db().CreateTable(PeopleDef());
  db_.reset();
  {
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    holder.setDatabaseName(Folder() + QStringLiteral("/tillbridge.db"));
    ASSERT_TRUE(holder.open());
    QSqlQuery q(holder);
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
    ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    TDatabase db(QString(), Folder());
    const int code = EngineErrorOf([&] {
      db.Open();
      TTable table;
      table.SetDatabase(&db);
      table.SetTableName(QStringLiteral("People"));
      table.Open();
    });
    EXPECT_EQ(code, EngineError::TableBusy);
    q.exec(QStringLiteral("ROLLBACK"));
    q.finish();
    holder.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}
