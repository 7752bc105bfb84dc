// The log row of a session: inserted at the start, completed at the end, with no lock or
// transaction held in between.
#include "CommLogFixture.h"
#include "comm/session/CommLogDuration.h"
#include "comm/session/CommLogErrors.h"
#include "comm/session/CommLogTable.h"
#include "comm/session/TCommLogRow.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "store/settings/SettingsFile.h"

namespace {
struct DurationCase {
  qint64 ms;
  const char* text;
};

class DurationTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DurationTest, IsRoundedToTheNearestSecondHalfUp) {
  const QDateTime start(QDate(2026, 3, 4), QTime(23, 59, 58, 700));
  const TDateTime from = TDateTime::FromQDateTime(start);
  const TDateTime to = TDateTime::FromQDateTime(start.addMSecs(GetParam().ms));
  EXPECT_EQ(CommLogDuration(from, to), QLatin1String(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Durations, DurationTest,
                         ::testing::Values(DurationCase{0, "0:00:00"}, DurationCase{499, "0:00:00"},
                                           DurationCase{500, "0:00:01"}, DurationCase{59400, "0:00:59"},
                                           DurationCase{59600, "0:01:00"}, DurationCase{3723000, "1:02:03"},
                                           DurationCase{3599500, "1:00:00"}, DurationCase{90061000, "25:01:01"},
                                           DurationCase{-5000, "0:00:00"}));

class CommLogRow : public CommLogFixture {
protected:
  // The row of the id, read through a cursor of the test's own.
  QVariantMap Row(qint64 id) {
    TTable table;
    CommLogTable::Locate(table);
    table.Open();
    QVariantMap row;
    if (table.FindKey({id}))
      for (int i = 0; i < table.FieldCount(); ++i) row.insert(table.Fields(i).FieldName(), table.Fields(i).AsString());
    return row;
  }
  int RowCount() {
    TTable table;
    CommLogTable::Locate(table);
    table.Open();
    return table.RecordCount();
  }
  TDatabase& Database() { return TSession::Default().Database(GetDataAlias()); }
};

TEST_F(CommLogRow, StartCreatesTheTableAndInsertsTheStartRow) {
  EXPECT_FALSE(Database().TableExists(QStringLiteral("CommLog")));
  TCommLogRow log;
  log.Start(machine, 8);
  ASSERT_TRUE(log.Started());
  const QVariantMap row = Row(*log.Id());
  EXPECT_EQ(row["StartTime"], "3/4/2026 10:30:00 AM");
  EXPECT_EQ(row["StoreNumber"], "12");
  EXPECT_EQ(row["MachineNumber"], "3");
  EXPECT_EQ(row["MachineID"], "Front Till");
  EXPECT_EQ(row["CommType"], "Script");
  EXPECT_EQ(row["EndTime"], "");
  EXPECT_EQ(row["Result"], "");
  EXPECT_EQ(Database().ReadTableDef(QStringLiteral("CommLog"))->fields, CommLogTable::Def().fields);
}

TEST_F(CommLogRow, EndCompletesTheRowWithResultLogEntryAndDuration) {
  TCommLogRow log;
  log.Start(machine, kSessionCommType);
  clock.Advance(59600);
  log.End(MpmSuccessfull, {QStringLiteral("10:30:00 AM Initiating Communications"),
                           QStringLiteral("10:30:59 AM Terminating Communications")});
  const QVariantMap row = Row(*log.Id());
  EXPECT_EQ(row["CommType"], "");
  EXPECT_EQ(row["Result"], "Successful");
  EXPECT_EQ(row["EndTime"], "3/4/2026 10:30:59 AM");
  EXPECT_EQ(row["Duration"], "0:01:00");
  EXPECT_EQ(row["LogEntry"],
            "10:30:00 AM Initiating Communications\r\n10:30:59 AM Terminating Communications\r\n");
  EXPECT_EQ(RowCount(), 1);
}

TEST_F(CommLogRow, AnHourLongSessionAndAUserCancelAll) {
  TCommLogRow log;
  log.Start(machine, kSessionCommType);
  clock.Advance((3600 + 2 * 60 + 3) * 1000);
  log.End(MpmUserCancelAll, {});
  const QVariantMap row = Row(*log.Id());
  EXPECT_EQ(row["Duration"], "1:02:03");
  EXPECT_EQ(row["Result"], "User Cancel");
  EXPECT_EQ(row["LogEntry"], "");
}

TEST_F(CommLogRow, NoLockOrTransactionIsHeldWhileTheSessionRuns) {
  TCommLogRow first, second;
  first.Start(machine, kSessionCommType);
  machine.MachineId = QStringLiteral("Back Till");
  second.Start(machine, kSessionCommType);
  EXPECT_FALSE(Database().InTransaction());

  // Another writer edits the running session's row: no record lock stands in the way.
  {
    TTable other;
    CommLogTable::Locate(other);
    other.Open();
    ASSERT_TRUE(other.FindKey({*first.Id()}));
    EXPECT_NO_THROW(other.Edit());
    other.FieldByName(QStringLiteral("StoreNumber")).SetAsInteger(99);
    other.Post();
  }
  clock.Advance(2000);
  second.End(MpmFailed, {QStringLiteral("b")});
  first.End(MpmSuccessfull, {QStringLiteral("a")});
  EXPECT_EQ(Row(*first.Id())["Result"], "Successful");
  EXPECT_EQ(Row(*first.Id())["StoreNumber"], "99");
  EXPECT_EQ(Row(*second.Id())["Result"], "Failed");
  EXPECT_EQ(Row(*second.Id())["MachineID"], "Back Till");
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(CommLogRow, ARowDeletedMeanwhileIsWrittenAgainWhole) {
  TCommLogRow log;
  log.Start(machine, 8);
  {
    TTable other;
    CommLogTable::Locate(other);
    other.Open();
    ASSERT_TRUE(other.FindKey({*log.Id()}));
    other.Delete();
  }
  clock.Advance(5000);
  log.End(MpmDone, {QStringLiteral("line")});
  EXPECT_EQ(RowCount(), 1);
  const QVariantMap row = Row(*log.Id());
  EXPECT_EQ(row["StartTime"], "3/4/2026 10:30:00 AM");
  EXPECT_EQ(row["MachineID"], "Front Till");
  EXPECT_EQ(row["CommType"], "Script");
  EXPECT_EQ(row["Duration"], "0:00:05");
  EXPECT_EQ(row["Result"], "Done");
}

TEST_F(CommLogRow, ATableWithoutItsLastFieldsGetsThemBack) {
  TTableDef old = CommLogTable::Def();
  old.fields.removeLast(); // LogEntry
  Database().CreateTable(old);
  TCommLogRow log;
  log.Start(machine, kSessionCommType);
  log.End(MpmSuccessfull, {QStringLiteral("kept")});
  EXPECT_EQ(Row(*log.Id())["LogEntry"], "kept\r\n");
}

TEST_F(CommLogRow, ATableOfAnotherShapeIsNotWrittenInto) {
  TTableDef other = CommLogTable::Def();
  other.fields[3].type = TFieldType::Long; // Duration
  other.fields[3].size = 0;
  Database().CreateTable(other);
  TCommLogRow log;
  EXPECT_THROW(log.Start(machine, kSessionCommType), ECommLogTable);
  EXPECT_FALSE(log.Started());
}
} // namespace

// The viewer keeps its cursor open while sessions write their rows: it sees each row come
// and be completed at its next move, and the rows already there stay as they were.
TEST_F(CommLogRow, AnOpenCursorSeesTheRowComeAndBeCompleted) {
  TCommLogRow earlier;
  earlier.Start(machine, kSessionCommType);
  earlier.End(MpmFailed, {});
  TTable viewer;
  CommLogTable::Locate(viewer);
  viewer.Open();
  ASSERT_EQ(viewer.RecordCount(), 1);

  TCommLogRow log;
  log.Start(machine, kSessionCommType);
  viewer.Last();
  EXPECT_EQ(viewer.RecordCount(), 2);
  EXPECT_EQ(viewer.FieldByName(QStringLiteral("ID")).AsInteger(), *log.Id());
  EXPECT_EQ(viewer.FieldByName(QStringLiteral("Result")).AsString(), "");

  clock.Advance(2000);
  log.End(MpmSuccessfull, {});
  viewer.First();
  viewer.Last();
  EXPECT_EQ(viewer.FieldByName(QStringLiteral("Result")).AsString(), "Successful");
  EXPECT_EQ(viewer.FieldByName(QStringLiteral("Duration")).AsString(), "0:00:02");
  viewer.First();
  EXPECT_EQ(viewer.FieldByName(QStringLiteral("Result")).AsString(), "Failed");
}
