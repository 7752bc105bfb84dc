#include "EngineFixture.h"

#include "platform/engine/TQuery.h"

namespace {
class LocalSql : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    Db().CreateTable(AllPollsDef());
    auto polls = OpenTable(QStringLiteral("AllPolls"));
    for (const char* machine : {"Store \"1\"", "O'Brien", "Plain", "Store \"1\""}) {
      polls->Append();
      polls->FieldByName(QStringLiteral("Machine Id")).SetAsString(QLatin1String(machine));
      polls->FieldByName(QStringLiteral("EcrRptClass")).SetAsString(QStringLiteral("tEcrRptCrs3000PLU"));
      polls->FieldByName(QStringLiteral("Poll Date")).SetAsDateTime(TDateTime(46000.5 + polls->RecordCount()));
      polls->Post();
    }
  }
};
} // namespace

TEST_F(LocalSql, QuotesInBoundValuesFindTheRightRows) {
  struct Case {
    QString machine;
    QList<qint64> ids;
  };
  const QList<Case> cases = {{QStringLiteral("Store \"1\""), {1, 4}},
                             {QStringLiteral("O'Brien"), {2}},
                             {QStringLiteral("Plain\" OR \"1\"=\"1"), {}},
                             {QStringLiteral("Machine Id"), {}}}; // a value, never a column
  for (const Case& c : cases) {
    TQuery q(Db());
    q.Exec(QStringLiteral("SELECT \"Poll Id\" FROM \"AllPolls\" WHERE \"Machine Id\" = ? ORDER BY \"Poll Id\""), {c.machine});
    QList<qint64> ids;
    while (q.Next()) ids << q.Value(0).toLongLong();
    EXPECT_EQ(ids, c.ids) << c.machine.toStdString();
  }
}

TEST_F(LocalSql, NamedPlaceholdersAndStoredFormsOfValues) {
  TQuery q(Db());
  q.Prepare(QStringLiteral("SELECT \"Poll Id\", \"Poll Date\" FROM \"AllPolls\" WHERE \"Poll Date\" >= :from "
                           "AND \"EcrRptClass\" = :cls ORDER BY \"Poll Date\""));
  q.Bind(QStringLiteral(":from"), 46002.0);
  q.Bind(QStringLiteral(":cls"), QStringLiteral("tEcrRptCrs3000PLU"));
  q.Exec();
  ASSERT_TRUE(q.Next());
  EXPECT_EQ(q.Value(QStringLiteral("Poll Id")).toLongLong(), 3);
  EXPECT_EQ(q.Value(QStringLiteral("Poll Date")).toDouble(), 46002.5);
  EXPECT_EQ(q.ColumnCount(), 2);
  EXPECT_EQ(q.ColumnName(1), QStringLiteral("Poll Date"));
}

TEST_F(LocalSql, ChangesThroughSqlReachOpenCursors) {
  auto polls = OpenTable(QStringLiteral("AllPolls"));
  polls->Last();
  TQuery q(QStringLiteral("TestDb")); // the open database by its name
  q.Exec(QStringLiteral("DELETE FROM \"AllPolls\" WHERE \"Machine Id\" = ?"), {QStringLiteral("Store \"1\"")});
  EXPECT_EQ(q.RowsAffected(), 2);
  EXPECT_EQ(polls->RecordCount(), 2);
  polls->First();
  EXPECT_EQ(polls->FieldByName(QStringLiteral("Machine Id")).AsString(), QStringLiteral("O'Brien"));
}

TEST_F(LocalSql, RefusedStatementsAreEngineErrors) {
  TQuery q(Db());
  EXPECT_EQ(EngineErrorOf([&] { q.Prepare(QStringLiteral("SELECT * FROM \"Nowhere\"")); }), EngineError::TableMissing);
  EXPECT_EQ(EngineErrorOf([&] { q.Prepare(QStringLiteral("SELEC nonsense")); }), EngineError::SqlError);
  EXPECT_EQ(EngineErrorOf([&] { q.Next(); }), EngineError::SqlError);
  EXPECT_EQ(EngineErrorOf([&] { q.Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Id\" = 1 WHERE \"Poll Id\" = 2"), {}); }),
            EngineError::KeyViolation);
}
