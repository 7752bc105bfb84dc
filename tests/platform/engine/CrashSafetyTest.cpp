// A process killed in the middle of its work must leave the database readable, with
// each transaction there whole or not at all. The writer is this test program itself,
// started again (fork and exec) to run one of the writer tests below, and killed with
// SIGKILL at a moment it reports.
#include "EngineFixture.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <signal.h>

namespace {
const char* kWriterFolder = "TB_CRASH_WRITER_FOLDER";
constexpr int kRowsPerTransaction = 200;

QString WriterFolder() { return qEnvironmentVariable(kWriterFolder); }

void Report(const char* line) {
  fputs(line, stdout);
  fputc('\n', stdout);
  fflush(stdout);
}

// Blocks until the parent kills the process.
[[noreturn]] void AwaitKill() {
  for (;;) pause();
}

void AppendRows(TTable& table, int count) {
  for (int i = 0; i < count; ++i) {
    table.Append();
    table.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("row %1").arg(i));
    table.FieldByName(QStringLiteral("Age")).SetAsInteger(i % 100);
    table.Post();
  }
}

class CrashSafety : public EngineFixture {
protected:
  // Starts the writer test and kills it once it has printed `line` `times` times.
  void KillWriterAfter(const char* test, const char* line, int times) {
    Db().CreateTable(PeopleDef());
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kWriterFolder), Folder());
    writer.setProcessEnvironment(env);
    writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=CrashWriter.") + QLatin1String(test)});
    ASSERT_TRUE(writer.waitForStarted(30000));
    int seen = 0;
    while (seen < times) {
      ASSERT_TRUE(writer.canReadLine() || writer.waitForReadyRead(60000)) << "the writer stopped reporting";
      while (writer.canReadLine() && seen < times)
        if (writer.readLine().trimmed() == line) ++seen;
    }
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    ASSERT_TRUE(writer.waitForFinished(30000));
    EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
  }

  int Rows() {
    TDatabase db(QString(), Folder());
    db.Open();
    QSqlQuery check = db.Exec(QStringLiteral("PRAGMA integrity_check"), {}, QString());
    EXPECT_TRUE(check.next());
    EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
    TTable table;
    table.SetDatabase(&db);
    table.SetTableName(QStringLiteral("People"));
    table.Open();
    return table.RecordCount();
  }
};
} // namespace

TEST_F(CrashSafety, AKillInsideATransactionLeavesNoneOfItsRows) {
  KillWriterAfter("HalfATransaction", "half", 1);
  EXPECT_EQ(Rows(), 0);
}

TEST_F(CrashSafety, AKillAfterTheCommitLeavesAllOfItsRows) {
  KillWriterAfter("CommittedTransaction", "committed", 1);
  EXPECT_EQ(Rows(), kRowsPerTransaction);
}

TEST_F(CrashSafety, AKillWhileTransactionsFollowEachOtherLeavesWholeOnes) {
  KillWriterAfter("EndlessTransactions", "committed", 3);
  const int rows = Rows();
  EXPECT_GE(rows, 3 * kRowsPerTransaction);
  EXPECT_EQ(rows % kRowsPerTransaction, 0) << rows;
}

// The writers: they run only when started by the tests above.
class CrashWriter : public ::testing::Test {
protected:
  void SetUp() override {
    if (WriterFolder().isEmpty()) GTEST_SKIP() << "started only by the crash-safety tests";
    db = std::make_unique<TDatabase>(QString(), WriterFolder());
    db->Open();
    table.SetDatabase(db.get());
    table.SetTableName(QStringLiteral("People"));
    table.Open();
  }
  std::unique_ptr<TDatabase> db;
  TTable table;
};

TEST_F(CrashWriter, HalfATransaction) {
  db->StartTransaction();
  AppendRows(table, kRowsPerTransaction / 2);
  Report("half");
  AwaitKill();
}

TEST_F(CrashWriter, CommittedTransaction) {
  db->StartTransaction();
  AppendRows(table, kRowsPerTransaction);
  db->Commit();
  Report("committed");
  AwaitKill();
}

TEST_F(CrashWriter, EndlessTransactions) {
  for (;;) {
    db->StartTransaction();
    AppendRows(table, kRowsPerTransaction);
    db->Commit();
    Report("committed");
  }
}
