// The program-table base: the local table, receiving (all or nothing, chains together),
// sending, and the program's windows.
#include "model/ModelFixture.h"
#include "TestPrograms.h"

#include "model/ERecMismatch.h"
#include "model/EcrErrors.h"
#include "model/EcrTableCheck.h"
#include "model/TBlockFileReader.h"
#include "model/tEcrPrgMaint.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "store/odb/StorageGlobals.h"

#include <QFile>

namespace {
const QString kProg = QString::fromLatin1(EngineConfig::kProgDatabase);

class ProgramTable : public SaveFixture {
protected:
  std::unique_ptr<tTestPrg> Program(const QString& id = QString()) {
    auto program = tEcrFnct::New<tTestPrg>(nullptr);
    program->SetProgramID(id);
    return program;
  }
  QList<qint64> Values(const QString& table) {
    TQuery query(kProg);
    query.Exec(QStringLiteral("SELECT \"Value\" FROM \"%1\" ORDER BY \"Number\"").arg(table), {});
    QList<qint64> values;
    while (query.Next()) values.append(query.Value(0).toLongLong());
    return values;
  }
  void SetValues(tTestPrg& program, QList<qint64> values) {
    TTable& table = program.OpenTable();
    for (qint64 value : values) {
      table.Edit();
      table.FieldByName(QStringLiteral("Value")).SetAsInteger(value);
      table.Post();
      table.Next();
    }
    program.CloseTable();
  }
  QString Received(QList<int> values, int badBlock = 0) {
    QList<QByteArray> blocks;
    for (int i = 0; i < values.size(); ++i) blocks.append(i + 1 == badBlock ? QByteArray(5, '\0') : Bcd(values[i], 4));
    return WorkFile(QStringLiteral("received.blk"), blocks);
  }
  void Receive(tEcrPrg& program, const QString& path) {
    QFile file(path);
    program.ReadBlockFile(file);
  }
};

TEST_F(ProgramTable, OpenTableMakesTheDefaultSetOnceAndPrefillsIt) {
  auto program = Program();
  EXPECT_EQ(program->GetProgramID(), QStringLiteral("Default"));
  TTable& table = program->OpenTable();
  EXPECT_EQ(table.TableName(), QStringLiteral("Default.tTestPrg"));
  EXPECT_EQ(table.RecordCount(), 3);
  EXPECT_EQ(table.FieldByName(QStringLiteral("Number")).AsInteger(), 1); // on its first row
  SetValues(*program, {4, 5, 6});
  auto again = Program();
  again->OpenTable();
  EXPECT_EQ(Values(QStringLiteral("Default.tTestPrg")), (QList<qint64>{4, 5, 6}));
}

TEST_F(ProgramTable, ANewTableKeepsWhatAnotherObjectCommittedWhileItWasFilled) {
  auto program = Program();
  program->duringFill = [] {
    // Another program object commits its received rows into the new table meanwhile.
    TQuery(kProg).Exec(QStringLiteral("INSERT INTO \"Default.tTestPrg\" (\"Number\", \"Value\") VALUES (2, 42), (9, 9)"), {});
  };
  program->OpenTable();
  TQuery query(kProg);
  query.Exec(QStringLiteral("SELECT \"Number\", \"Value\" FROM \"Default.tTestPrg\" ORDER BY \"Number\""), {});
  QList<QPair<qint64, qint64>> rows;
  while (query.Next()) rows.append({query.Value(0).toLongLong(), query.Value(1).toLongLong()});
  EXPECT_EQ(rows, (QList<QPair<qint64, qint64>>{{1, 0}, {2, 42}, {3, 0}, {9, 9}}));
}

TEST_F(ProgramTable, TheProgramIdNamesTheTableSet) {
  auto shop = Program(QStringLiteral("Shop1"));
  EXPECT_EQ(shop->OpenTable().TableName(), QStringLiteral("Shop1.tTestPrg"));
  EXPECT_TRUE(TSession::Default().Database(kProg).TableExists(QStringLiteral("Shop1.tTestPrg")));
  EXPECT_FALSE(TSession::Default().Database(kProg).TableExists(QStringLiteral("Default.tTestPrg")));
}

TEST_F(ProgramTable, AReceiveReplacesTheTableAndStampsLastSvd) {
  auto program = Program();
  SetValues(*program, {1, 1, 1});
  Receive(*program, Received({10, 20}));
  EXPECT_EQ(Values(QStringLiteral("Default.tTestPrg")), (QList<qint64>{10, 20}));
  EXPECT_EQ(program->LastSvd().ToQDateTime(), clock.Now());
}

TEST_F(ProgramTable, AReceiveThatFailsPartWayChangesNothing) {
  auto program = Program();
  SetValues(*program, {1, 2, 3});
  EXPECT_THROW(Receive(*program, Received({10, 20, 30, 40}, 3)), ERecMismatch);
  EXPECT_EQ(Values(QStringLiteral("Default.tTestPrg")), (QList<qint64>{1, 2, 3}));
  EXPECT_TRUE(program->LastSvd().IsZero());
}

TEST_F(ProgramTable, TheTablesOfAChainAreReplacedTogetherOrNotAtAll) {
  auto first = Program(QStringLiteral("A"));
  auto second = Program(QStringLiteral("B"));
  first->next = second.get();
  SetValues(*first, {1, 2, 3});
  SetValues(*second, {7, 8, 9});
  second->failAtBlock = 2;
  EXPECT_THROW(Receive(*first, Received({10, 20})), ERecMismatch);
  EXPECT_EQ(Values(QStringLiteral("A.tTestPrg")), (QList<qint64>{1, 2, 3}));
  EXPECT_EQ(Values(QStringLiteral("B.tTestPrg")), (QList<qint64>{7, 8, 9}));
  EXPECT_TRUE(first->LastSvd().IsZero());

  second->failAtBlock = 0;
  Receive(*first, Received({10, 20}));
  EXPECT_EQ(Values(QStringLiteral("A.tTestPrg")), (QList<qint64>{10, 20}));
  EXPECT_EQ(Values(QStringLiteral("B.tTestPrg")), (QList<qint64>{10, 20}));
  EXPECT_FALSE(second->LastSvd().IsZero());
}

TEST_F(ProgramTable, ASendWritesEveryRowAndStampsLastSnt) {
  auto program = Program();
  SetValues(*program, {11, 22, 33});
  QFile file(dir.filePath(QStringLiteral("send.blk")));
  program->WriteBlockFile(file, true);
  file.close();
  TBlockFileReader reader(file);
  EXPECT_EQ(reader.Count(), 3);
  TEcrBlock buffer{};
  qint32 length = 0;
  QList<qint64> sent;
  while (reader.Next(buffer, length)) sent.append(program->DecodeBcd(buffer, 0, length, false));
  EXPECT_EQ(sent, (QList<qint64>{11, 22, 33}));
  EXPECT_EQ(program->LastSnt().ToQDateTime(), clock.Now());
}

TEST_F(ProgramTable, ASendThatCannotEncodeARecordFails) {
  auto program = Program();
  SetValues(*program, {11, 123456789, 33}); // the second value needs nine digits
  QFile file(dir.filePath(QStringLiteral("send.blk")));
  EXPECT_THROW(program->WriteBlockFile(file, true), ERangeError);
  EXPECT_TRUE(program->LastSnt().IsZero());
}

TEST_F(ProgramTable, TheProgressWindowShowsOnlyForMoreThanOneBlock) {
  QStringList seen;
  ScopedForm<SaveProgressRequest> progress([&](SaveProgressRequest& request) {
    seen << (request.close ? QStringLiteral("close") : QString::number(request.percent));
    return 0;
  });
  auto program = Program();
  Receive(*program, Received({1}));
  EXPECT_TRUE(seen.isEmpty());
  Receive(*program, Received({1, 2, 3}));
  EXPECT_EQ(seen, (QStringList{"0", "33", "66", "100", "close"}));
}

TEST_F(ProgramTable, MaintainOpensTheMaintenanceFormOverTheTable) {
  auto program = Program();
  program->Maintain();
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("Not Implemented")});

  class Maintained : public tTestPrg {
  public:
    Maintained() : tTestPrg(TBlank{}) {}
    QString GetMaintFormClass() const override { return QStringLiteral("TfrmTestMnt"); }
  } maintained;
  bool tableOpen = false;
  QString caption;
  ScopedForm<PrgMaintRequest> form(
      [&](PrgMaintRequest& request) {
        tEcrPrg& prg = request.program;
        tableOpen = prg.MaintLink() && prg.MaintLink()->DataSet().Active() && prg.MaintLink()->AutoEdit();
        caption = request.caption;
        return 1;
      },
      QStringLiteral("TfrmTestMnt"));
  maintained.Maintain();
  EXPECT_TRUE(tableOpen);
  EXPECT_EQ(caption, QStringLiteral("Test Program"));
  EXPECT_FALSE(maintained.MaintLink()->DataSet().Active()); // closed once the form returned
}

TEST_F(ProgramTable, OptionsFormOnlyWhenTheProgramHasOne) {
  auto program = Program();
  EXPECT_TRUE(program->MntPrgOpts());
  class WithOptions : public tTestPrg {
  public:
    WithOptions() : tTestPrg(TBlank{}) {}
    QString GetOptsFormClass() const override { return QStringLiteral("TfmTestOpts"); }
  } withOptions;
  int answer = 0;
  ScopedForm<PrgOptsRequest> form([&](PrgOptsRequest&) { return answer; }, QStringLiteral("TfmTestOpts"));
  EXPECT_FALSE(withOptions.MntPrgOpts());
  answer = 1;
  EXPECT_TRUE(withOptions.MntPrgOpts());
}

TEST_F(ProgramTable, ATableThatFailsItsCheckIsReportedAndNeverMadeAfresh) {
  TDatabase& db = *OpenProgDatabase();
  TTableDef wrong{QStringLiteral("Default.tTestPrg"), {{QStringLiteral("Number"), TFieldType::Alpha, 5}}, {}};
  db.CreateTable(wrong);
  TQuery(db).Exec(QStringLiteral("INSERT INTO \"Default.tTestPrg\" VALUES (?)"), {QStringLiteral("keep")});
  auto program = Program();
  EXPECT_THROW(program->OpenTable(), ETableCheck);
  EXPECT_EQ(Rows(kProg, QStringLiteral("Default.tTestPrg")), 1);
}

TEST_F(ProgramTable, TheCheckWantsABooleanFirst) {
  auto program = Program();
  try {
    program->CheckTables({TDefValue::Text(QStringLiteral("false")), TDefValue::Text(dir.path())});
    ADD_FAILURE();
  } catch (const ETableCheck& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("CheckTables invalid parameter"));
  }
}

TEST_F(ProgramTable, BaseValues) {
  auto program = Program();
  EXPECT_EQ(program->GetFirstBlk(), 1);
  EXPECT_EQ(program->GetLastBlk(), 32767);
  EXPECT_EQ(program->GetBlkOffset(), 0);
  EXPECT_EQ(program->GetBlkRestSize(), 0);
  EXPECT_EQ(program->GetMaxRecsInBlk(), 1);
  EXPECT_EQ(program->GetPrgCode(), 0);
  EXPECT_EQ(program->NextPrgClass(), nullptr);
  EXPECT_EQ(program->GetDataBaseName(), QStringLiteral("ProgDatabase"));
  EXPECT_EQ(program->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptNone"));
  const tEcrPrgCapSet caps = program->GetPrgCapSet();
  EXPECT_TRUE(caps.Has(tEcrPrgCaps::EcrPrgSend) && caps.Has(tEcrPrgCaps::EcrPrgReceive) && caps.Has(tEcrPrgCaps::EcrPrgMaint));
  EXPECT_FALSE(caps.Has(tEcrPrgCaps::EcrPrgNotSendAll));
  program->SetLastMod(TDateTime(5.5));
  EXPECT_EQ(program->LastMod().Days(), 5.5);
}
} // namespace
