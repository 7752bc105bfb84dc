// The decoder pattern end to end: a register's work file, decoded by a report class of
// the CRS 3000 base owned by a machine's driver, becomes one AllPolls row with the
// machine's identity and one report row per record, numbered across blocks and named
// from the driver's own program table.
#include "model/ModelFixture.h"
#include "TestCrsDecoders.h"
#include "TestCrsPrograms.h"

#include "TestSupport.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"

#include <QFile>

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

class DecoderPattern : public CrsFixture {
protected:
  DecoderPattern() {
    machine.MachineId = QStringLiteral("Front Till");
    machine.StoreNumber = 12;
    machine.MachineNumber = 3;
    auto owned = std::make_unique<tTestDriver>();
    driver = owned.get();
    machine.SetEcr(std::move(owned));
    auto decoder = tEcrFnct::New<tTestCpnDecoder>(driver);
    report = decoder.get();
    driver->Add(std::move(decoder));
  }
  void AddNames() {
    auto names = tEcrFnct::New<tTestCrsPrg>(driver);
    TTable& table = names->OpenTable();
    for (const auto& [number, text] : {std::pair{1, "FREE SODA"}, std::pair{2, "BOGO BURGER AND FRIES"}}) {
      table.Append();
      table.FieldByName(QStringLiteral("Number")).SetAsInteger(number);
      table.FieldByName(QStringLiteral("Text")).SetAsString(QLatin1String(text));
      table.Post();
    }
    names->CloseTable();
    driver->Add(std::move(names));
  }
  void Poll() {
    QFile file(TestSupport::DataPath(QStringLiteral("crs3000/coupon_poll.blk")));
    report->ReadBlockFile(file);
  }
  struct Row {
    qint64 number;
    QString name;
    qint64 count, total;
  };
  QList<Row> Rows() {
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT \"Memory Number\", \"Name\", \"Coupon Count\", \"Coupon Total\" FROM \"tTestCpnDecoder\" "
                              "WHERE \"Poll Id\" = ? ORDER BY \"Memory Number\""),
               {report->PollId});
    QList<Row> rows;
    while (query.Next())
      rows.append({query.Value(0).toLongLong(), query.Value(1).toString(), query.Value(2).toLongLong(),
                   qRound64(query.Value(3).toDouble() * 100)});
    return rows;
  }

  tMachine machine;
  tTestDriver* driver = nullptr;
  tTestCpnDecoder* report = nullptr;
};

TEST_F(DecoderPattern, AWorkFileBecomesOnePollRowAndARowPerRecord) {
  AddNames();
  Poll();
  ASSERT_EQ(PollIds(), QList<qint64>{report->PollId});
  const QList<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 4);
  const Row expected[] = {
      {1, QStringLiteral("FREE SODA"), 3, 1500},
      {2, QStringLiteral("BOGO BURGER "), 3, -1500}, // the name column holds 12 characters
      {3, QStringLiteral("Undefined"), 0, 5},
      {4, QStringLiteral("Undefined"), 9999, 123456789}, // the first record of the second data block
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rows[i].number, expected[i].number);
    EXPECT_EQ(rows[i].name, expected[i].name) << i;
    EXPECT_EQ(rows[i].count, expected[i].count) << i;
    EXPECT_EQ(rows[i].total, expected[i].total) << i;
  }
  TQuery poll(kData);
  poll.Exec(QStringLiteral("SELECT \"EcrClass\", \"Machine Id\", \"Store Number\", \"Machine Number\", \"Misc Data 1\" "
                           "FROM \"AllPolls\""),
            {});
  ASSERT_TRUE(poll.Next());
  EXPECT_EQ(poll.Value(0).toString(), driver->ClassName());
  EXPECT_EQ(poll.Value(1).toString(), QStringLiteral("Front Till"));
  EXPECT_EQ(poll.Value(2).toInt(), 12);
  EXPECT_EQ(poll.Value(3).toInt(), 3);
  EXPECT_EQ(poll.Value(4).toString(), QStringLiteral("STORE 12") + QString(16, QChar(0))); // all 24 status bytes
}

TEST_F(DecoderPattern, NamesAreFoundAgainAfterTheProgramsTableWasClosed) {
  AddNames();
  Poll();
  driver->FindPrgByClass(QStringLiteral("tTestCrsPrg"))->CloseTable(); // a send or an edit closes it
  Poll();
  EXPECT_EQ(Rows().first().name, QStringLiteral("FREE SODA"));
}

TEST_F(DecoderPattern, ALookUpLeavesAHalfEditedProgramRowUnposted) {
  AddNames();
  tEcrPrg* program = driver->FindPrgByClass(QStringLiteral("tTestCrsPrg"));
  ASSERT_NE(program, nullptr);
  TTable& edited = program->OpenTable();
  ASSERT_TRUE(edited.FindKey({2}));
  edited.Edit();
  edited.FieldByName(QStringLiteral("Text")).SetAsString(QStringLiteral("HALF EDITED"));

  const auto find = [this](int key) {
    return report->names.Find(*report, QStringLiteral("tTestCrsPrg"), key, QStringLiteral("Text"));
  };
  EXPECT_EQ(find(2), QStringLiteral("BOGO BURGER AND FRIES"));
  EXPECT_EQ(find(1), QStringLiteral("FREE SODA"));
  EXPECT_EQ(find(9), QStringLiteral("Undefined"));

  EXPECT_EQ(edited.State(), TDataSetState::Edit);
  EXPECT_EQ(edited.FieldByName(QStringLiteral("Number")).AsInteger(), 2);
  EXPECT_EQ(edited.FieldByName(QStringLiteral("Text")).AsString(), QStringLiteral("HALF EDITED"));
  edited.Cancel();
  program->CloseTable();
  EXPECT_EQ(find(2), QStringLiteral("BOGO BURGER AND FRIES"));
}

TEST_F(DecoderPattern, ALookUpMakesTheProgramTableWhenItIsMissing) {
  driver->Add(tEcrFnct::New<tTestCrsPrg>(driver));
  EXPECT_EQ(report->names.Find(*report, QStringLiteral("tTestCrsPrg"), 1, QStringLiteral("Text")), QStringLiteral("Undefined"));
  const tEcrPrg* program = driver->FindPrgByClass(QStringLiteral("tTestCrsPrg"));
  EXPECT_TRUE(TSession::Default().Database(program->GetDataBaseName()).TableExists(program->LocalTableName()));
}

TEST_F(DecoderPattern, WithoutTheLookUpProgramEveryNameIsUndefined) {
  Poll();
  QStringList names;
  for (const Row& row : Rows()) names << row.name;
  EXPECT_EQ(names, QStringList(4, QStringLiteral("Undefined")));
  EXPECT_EQ(report->names.NamePrg, nullptr);
}

TEST_F(DecoderPattern, TheReportTableHasPollIdFirstAndCountsBeforeTotals) {
  Poll();
  TTable table;
  report->OpenTable(table);
  QStringList names;
  for (const TFieldDef& field : table.Structure().fields) names << field.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Memory Number", "Name", "Coupon Count", "Coupon Total"}));
}
} // namespace
