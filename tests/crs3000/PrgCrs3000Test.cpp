// The CRS 3000 program-table base: send blocks, chained transfers, received blocks,
// blank rows and the register's text codes.
#include "model/ModelFixture.h"
#include "TestCrsPrograms.h"

#include "TestSupport.h"
#include "model/ERecMismatch.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"

#include <QFile>

namespace {
using TestSupport::Hex;
const QString kProg = QString::fromLatin1(EngineConfig::kProgDatabase);

class PrgCrs3000 : public CrsFixture {
protected:
  template <class T = tTestCrsPrg> T& Program(const QString& id) {
    auto program = tEcrFnct::New<T>(&driver);
    program->SetProgramID(id);
    T& ref = *program;
    driver.Add(std::move(program));
    return ref;
  }
  static void Fill(tEcrPrg& program, int rows, int failAt = 0) {
    TTable& table = program.OpenTable();
    for (int n = 1; n <= rows; ++n) {
      table.Append();
      table.FieldByName(QStringLiteral("Number")).SetAsInteger(n);
      table.FieldByName(QStringLiteral("Text")).SetAsString(n == failAt ? QStringLiteral("FAIL") : QStringLiteral("R%1").arg(n));
      table.Post();
    }
    program.CloseTable();
  }
  QString Send(tEcrPrg& program) {
    const QString path = dir.filePath(QStringLiteral("send.blk"));
    QFile file(path);
    program.WriteBlockFile(file, true);
    return path;
  }
  void Receive(tEcrPrg& program, const QString& path) {
    QFile file(path);
    program.ReadBlockFile(file);
  }
  static QStringList Texts(const tEcrPrg& program) {
    TQuery query(kProg);
    query.Exec(QStringLiteral("SELECT \"Number\", \"Text\" FROM \"%1\" ORDER BY \"Number\"").arg(program.LocalTableName()), {});
    QStringList rows;
    while (query.Next()) rows << query.Value(0).toString() + QLatin1Char(':') + query.Value(1).toString();
    return rows;
  }
  static QByteArray Head(const QByteArray& block) { return block.left(2).toHex(' '); }

  tTestDriver driver;
};

TEST_F(PrgCrs3000, FortyOneRowsOfFortyABlockSendTwoBlocks) {
  auto& program = Program(QStringLiteral("A"));
  Fill(program, 41);
  qint32 count = 0;
  const QList<QByteArray> blocks = Blocks(Send(program), &count);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(blocks.size(), 2);
  EXPECT_EQ(blocks[0].size(), 2002);
  EXPECT_EQ(Head(blocks[0]), QByteArray("01 28"));
  EXPECT_EQ(blocks[1].size(), 52);
  EXPECT_EQ(Head(blocks[1]), QByteArray("02 01"));
  EXPECT_EQ(blocks[1].mid(2, 5), Bcd(41, 2) + QByteArray("R41"));
  EXPECT_EQ(program.PartBlkLen, 52);
  EXPECT_FALSE(program.LastSnt().IsZero());
}

TEST_F(PrgCrs3000, AnEmptyTableSendsNoBlock) {
  auto& program = Program(QStringLiteral("A"));
  qint32 count = -1;
  EXPECT_TRUE(Blocks(Send(program), &count).isEmpty());
  EXPECT_EQ(count, 0);
}

TEST_F(PrgCrs3000, ALaterFirstBlockPadsTheFileUpToIt) {
  auto& first = Program(QStringLiteral("A"));
  auto& later = Program<tTestCrsPrgB>(QStringLiteral("B"));
  first.nextClass = &tTestCrsPrgB::StaticClass();
  later.firstBlk = 3;
  later.maxRecs = 1;
  Fill(first, 1);
  Fill(later, 2);
  qint32 count = 0;
  const QList<QByteArray> blocks = Blocks(Send(first), &count);
  EXPECT_EQ(count, 4);
  ASSERT_EQ(blocks.size(), 4);
  EXPECT_EQ(Head(blocks[0]), QByteArray("01 01")); // the first table's block, written again as it was
  EXPECT_EQ(blocks[1], QByteArray(52, '\0'));
  EXPECT_EQ(Head(blocks[2]), QByteArray("03 01"));
  EXPECT_EQ(Head(blocks[3]), QByteArray("04 01"));
  EXPECT_EQ(blocks[3].mid(2, 4), Bcd(2, 2) + QByteArray("R2"));
}

TEST_F(PrgCrs3000, AChainedTableFillsThePartlyFilledLastBlock) {
  auto& first = Program(QStringLiteral("A"));
  auto& next = Program<tTestCrsPrgB>(QStringLiteral("B"));
  first.nextClass = &tTestCrsPrgB::StaticClass();
  next.offset = 50;
  Fill(first, 1);
  Fill(next, 1);
  qint32 count = 0;
  const QList<QByteArray> blocks = Blocks(Send(first), &count);
  EXPECT_EQ(count, 1);
  ASSERT_EQ(blocks.size(), 1);
  EXPECT_EQ(blocks[0].size(), 102);
  EXPECT_EQ(Head(blocks[0]), QByteArray("01 01"));
  EXPECT_EQ(blocks[0].mid(2, 4), Bcd(1, 2) + QByteArray("R1"));
  EXPECT_EQ(blocks[0].mid(52, 4), Bcd(1, 2) + QByteArray("R1"));
}

TEST_F(PrgCrs3000, AChainedTableAfterAnEmptyOneStartsTheFile) {
  auto& first = Program(QStringLiteral("A"));
  auto& next = Program<tTestCrsPrgB>(QStringLiteral("B"));
  first.nextClass = &tTestCrsPrgB::StaticClass();
  Fill(next, 2);
  qint32 count = 0;
  const QList<QByteArray> blocks = Blocks(Send(first), &count);
  EXPECT_EQ(count, 1);
  ASSERT_EQ(blocks.size(), 1);
  EXPECT_EQ(Head(blocks[0]), QByteArray("01 02"));
}

TEST_F(PrgCrs3000, AContinuingTableStartsItsOwnBlockWithTheNextNumber) {
  auto& plu = Program(QStringLiteral("A"));
  auto& lookups = Program<tTestCrsLookups>(QStringLiteral("L"));
  plu.nextClass = &tTestCrsLookups::StaticClass();
  Fill(plu, 41);
  Fill(lookups, 2);
  qint32 count = 0;
  const QList<QByteArray> blocks = Blocks(Send(plu), &count);
  ASSERT_EQ(blocks.size(), 3);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Head(blocks[1]), QByteArray("02 01")); // the first table's last block, unchanged
  EXPECT_EQ(blocks[1].size(), 52);
  EXPECT_EQ(Head(blocks[2]), QByteArray("03 02"));
  EXPECT_EQ(blocks[2].size(), 102);
}

TEST_F(PrgCrs3000, ASendStopsBeforeAnythingLeavesWhenARecordCannotBeEncoded) {
  const struct {
    int rows, maxRecs, failAt;
    const char* message;
  } cases[] = {
      {300, 1, 0, "Got Exception Range check error Converting Data for record: 256, Aborting"},
      {6, 2, 5, "Got Exception Range check error Converting Data for record: 5, Aborting"},
  };
  int run = 0;
  for (const auto& c : cases) {
    auto& program = Program(QStringLiteral("P%1").arg(++run));
    program.maxRecs = c.maxRecs;
    Fill(program, c.rows, c.failAt);
    try {
      Send(program);
      ADD_FAILURE() << c.message;
    } catch (const EEncodeAborted& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
    }
    EXPECT_TRUE(program.LastSnt().IsZero());
  }
}

TEST_F(PrgCrs3000, ReceivedBlocksGoToTheTableWhoseRangeHoldsThem) {
  auto& first = Program(QStringLiteral("A"));
  auto& second = Program<tTestCrsPrgB>(QStringLiteral("B"));
  first.nextClass = &tTestCrsPrgB::StaticClass();
  first.lastBlk = 1;
  second.firstBlk = 2;
  auto record = [](int n, const char* text) { return Bcd(n, 2) + QByteArray(text).leftJustified(48, ' '); };
  const QString path = WorkFile(QStringLiteral("rx.blk"), {Framed(record(1, "ONE") + record(2, "TWO"), 1),
                                                           Framed(record(1, "<X>") , 2)});
  Receive(first, path);
  EXPECT_EQ(Texts(first), (QStringList{"1:" + QStringLiteral("ONE").leftJustified(48), "2:" + QStringLiteral("TWO").leftJustified(48)}));
  EXPECT_EQ(Texts(second), QStringList{"1:" + QStringLiteral("<X>").leftJustified(48)});
  EXPECT_FALSE(second.LastSvd().IsZero());
}

TEST_F(PrgCrs3000, AChainWhoseSecondTableFailsChangesNeitherTable) {
  auto& first = Program(QStringLiteral("A"));
  auto& second = Program<tTestCrsPrgB>(QStringLiteral("B"));
  first.nextClass = &tTestCrsPrgB::StaticClass();
  first.lastBlk = 1;
  second.firstBlk = 2;
  Fill(first, 3);
  Fill(second, 2);
  const QString path = WorkFile(QStringLiteral("rx.blk"), {Framed(Bcd(1, 2) + QByteArray(48, ' '), 1),
                                                           Framed(QByteArray(51, ' '), 2)}); // one byte too many
  EXPECT_THROW(Receive(first, path), ERecMismatch);
  EXPECT_EQ(Texts(first).size(), 3);
  EXPECT_EQ(Texts(second).size(), 2);
  EXPECT_TRUE(first.LastSvd().IsZero());
}

TEST_F(PrgCrs3000, ANewTableStartsWithItsBlankRowsInsideItsBlockRange) {
  auto& whole = Program(QStringLiteral("A"));
  whole.initRecs = 5;
  whole.maxRecs = 2;
  EXPECT_EQ(whole.OpenTable().RecordCount(), 5);
  whole.CloseTable();
  EXPECT_EQ(Texts(whole).first(), QStringLiteral("1:") + QString(48, u'0')); // zero bytes read as '0'
  auto& limited = Program<tTestCrsPrgB>(QStringLiteral("B"));
  limited.initRecs = 5;
  limited.maxRecs = 2;
  limited.lastBlk = 2;
  EXPECT_EQ(limited.OpenTable().RecordCount(), 4);
  EXPECT_EQ(limited.BlkCount, 0);
}

TEST_F(PrgCrs3000, RegisterTextCodes) {
  auto& program = Program(QStringLiteral("A"));
  TEcrBlock block{};
  block.fill(0xAA);
  program.EncodeText(block, 0, 5, QStringLiteral("A<B"));
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(block.data()), 6), Hex("41 0E 42 20 20 AA"));
  program.EncodeTermText(block, 0, 5, QStringLiteral("12"));
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(block.data()), 6), Hex("01 02 FF 20 20 AA"));
  program.EncodeTermText(block, 0, 2, QStringLiteral("12345"));
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(block.data()), 3), Hex("01 02 FF"));
  program.EncodeTermText(block, 4091, 5, QStringLiteral("ABCDE")); // no terminator past the block
  EXPECT_EQ(program.DecodeTermText(block, 4091, 5), QStringLiteral("ABCDE"));

  TEcrBlock text{};
  const QByteArray bytes = Hex("00 01 0F 41");
  std::copy(bytes.begin(), bytes.end(), text.begin());
  EXPECT_EQ(program.DecodeText(text, 0, 4), QStringLiteral("01>A"));
  std::fill_n(text.begin(), 26, quint8('x'));
  EXPECT_EQ(program.DecodeTermText(text, 0, 26), QString(26, u'x'));
  text[2] = 0xFF;
  EXPECT_EQ(program.DecodeTermText(text, 0, 26), QStringLiteral("xx"));
}

TEST_F(PrgCrs3000, CountRecordsTakesOffTheFrame) {
  auto& program = Program(QStringLiteral("A"));
  EXPECT_EQ(program.CountRecords(108, 50, 2), 2);
  EXPECT_EQ(program.CountRecords(8, 50, 2), 0);
  try {
    program.CountRecords(109, 50, 2);
    ADD_FAILURE();
  } catch (const ERecMismatch& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Block Size Mismatch, got: 101  expecting: 100"));
  }
}
} // namespace
