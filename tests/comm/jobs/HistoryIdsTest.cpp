// The id a job gets when it ends into "History" follows the highest id the file holds,
// whoever wrote it: this program's own moves and deletes, local SQL on the same
// connection, or another program's connection.
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace {
const QString kPort = QStringLiteral("Direct to COM1");

class HistoryIds : public JobsFixture {
protected:
  HistoryIds() { AddMachine(QStringLiteral("M1"), kPort); }

  // Queues a job and ends it into "History"; its history id.
  QString EndOne() {
    std::unique_ptr<tHistoryEvent> job = Pending(Queue(QStringLiteral("M1"), kPort));
    job->Status = HisStatus::Successful;
    history().MoveToHistory(*job);
    return job->EventId;
  }

  TDatabase& Data() { return TSession::Default().Database(GetDataAlias()); }

  // A copy of the stored job "000000" under another id, written as another program would.
  void InsertElsewhere(const QString& id) {
    TDatabase other(QString(), Data().Folder());
    other.Open();
    other.Exec(QStringLiteral("INSERT INTO \"History\" (\"HisEvId\", \"Object\") "
                              "SELECT ?, \"Object\" FROM \"History\" WHERE \"HisEvId\" = '000000'"),
               {id}, QString());
    other.Close();
  }
};
} // namespace

TEST_F(HistoryIds, EachMoveTakesTheIdAfterTheLastOne) {
  EXPECT_EQ((QStringList{EndOne(), EndOne(), EndOne()}),
            (QStringList{QStringLiteral("000000"), QStringLiteral("000001"), QStringLiteral("000002")}));
}

TEST_F(HistoryIds, AJobAddedByAnotherConnectionIsCountedByTheNextMove) {
  EndOne();
  EndOne();
  InsertElsewhere(QStringLiteral("000040"));
  EXPECT_EQ(EndOne(), QStringLiteral("000041"));
}

TEST_F(HistoryIds, DeletingTheLastJobGivesItsIdAgain) {
  EndOne();
  const QString last = EndOne();
  history().DeleteHistoryEvent(last);
  EXPECT_EQ(EndOne(), last);
  TQuery(Data()).Exec(QStringLiteral("DELETE FROM \"History\" WHERE \"HisEvId\" = ?"), {last});
  EXPECT_EQ(EndOne(), last);
}

TEST_F(HistoryIds, AfterARestartTheFileDecides) {
  EndOne();
  FreeTheHistory();
  InsertElsewhere(QStringLiteral("000007"));
  EXPECT_EQ(EndOne(), QStringLiteral("000008"));
}
