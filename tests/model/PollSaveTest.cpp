// The commit of a poll save: report rows move with their poll, and a row staged for a
// poll that the save does not hold fails the whole save.
#include "model/ModelFixture.h"

#include "model/EcrErrors.h"
#include "model/TPollSave.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);
const QString kRows = QStringLiteral("tStageRows");

TTableDef RowsDef() {
  TTableDef def;
  def.name = kRows;
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long}, {QStringLiteral("Value"), TFieldType::Long}};
  return def;
}

class PollSave : public SaveFixture {
protected:
  PollSave() { TSession::Default().Database(kData).CreateTable(RowsDef()); }

  // Stages `polls` AllPolls rows and one report row for each staged poll id given, then commits.
  static void Save(int polls, const QList<qint32>& rowPollIds) {
    TPollSave save(kData);
    TTable& pollRows = save.Polls();
    for (int i = 0; i < polls; ++i) {
      pollRows.Append();
      pollRows.FieldByName(QStringLiteral("EcrRptClass")).SetAsString(QStringLiteral("tTestRpt"));
      pollRows.Post();
    }
    TTable& rows = save.ReportRows(RowsDef());
    for (qint32 id : rowPollIds) {
      rows.Append();
      rows.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(id);
      rows.FieldByName(QStringLiteral("Value")).SetAsInteger(7);
      rows.Post();
    }
    save.Commit();
  }
};

TEST_F(PollSave, RowsOfEveryPollOfTheSaveMoveWithTheirPoll) {
  Save(1, {1});
  Save(2, {1, 2, 2});
  const QList<qint64> ids = PollIds();
  ASSERT_EQ(ids.size(), 3);
  EXPECT_EQ(Rows(kData, kRows, QStringLiteral("\"Poll Id\" = ?"), {ids[0]}), 1);
  EXPECT_EQ(Rows(kData, kRows, QStringLiteral("\"Poll Id\" = ?"), {ids[1]}), 1);
  EXPECT_EQ(Rows(kData, kRows, QStringLiteral("\"Poll Id\" = ?"), {ids[2]}), 2);
}

TEST_F(PollSave, ARowOutsideTheSavesOwnPollsIsRefusedAndNothingIsSaved) {
  Save(1, {1}); // an earlier poll that a stray row must not join
  struct Case {
    int polls;
    QList<qint32> rowPollIds;
  };
  const Case cases[] = {{1, {0}}, {1, {1, 0}}, {1, {2}}, {2, {1, 3}}, {1, {-1}}, {0, {1}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.polls << " polls, " << c.rowPollIds.size() << " rows");
    EXPECT_THROW(Save(c.polls, c.rowPollIds), EPollIdRange);
    EXPECT_EQ(PollIds().size(), 1);
    EXPECT_EQ(Rows(kData, kRows), 1);
  }
}

TEST_F(PollSave, StatusBytesKeepEveryByteWhileANameEndsAtItsZero) {
  QByteArray status(24, '\0'); // a range from register 5: the first four bytes are 0
  status[4] = char(0x07);
  status[5] = char(0xFF);
  status[6] = char(0x81);
  {
    TPollSave save(kData);
    TTable& polls = save.Polls();
    polls.Append();
    polls.FieldByName(QStringLiteral("EcrRptClass")).SetAsString(QStringLiteral("tTestRpt"));
    polls.FieldByName(QStringLiteral("Report Name")).SetAsString(QStringLiteral("Day") + QChar(0) + QStringLiteral("junk"));
    polls.FieldByName(QStringLiteral("Misc Data 1")).SetAsString(Cp1252::Decode(status));
    polls.Post();
    save.Commit();
  }
  TTable stored;
  stored.SetDatabaseName(kData);
  stored.SetTableName(QStringLiteral("AllPolls"));
  stored.Open();
  stored.First();
  EXPECT_EQ(stored.FieldByName(QStringLiteral("Report Name")).AsString(), QStringLiteral("Day"));
  EXPECT_EQ(Cp1252::Encode(stored.FieldByName(QStringLiteral("Misc Data 1")).AsString()), status);
}
} // namespace
