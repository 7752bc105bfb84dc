// The product mix report: records sized from each block's length and record count byte,
// 12 to 48 time periods a record, the periods not sent stored as 0, items numbered by the
// stride of the block they came in, and blocks that cannot be sized refused.
#include "PollRows.h"

#include "NamePrograms.h"
#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000ProductMix.h"
#include "model/ERecMismatch.h"

namespace {
using TestSupport::Hex;
const QString kTable = QStringLiteral("tEcrRptCrs3000ProdMix");
inline constexpr char kProductMixClass[] = "tEcrPrgCrs3000ProductMix";

QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

// A record of `periods` periods: pieces, then for period p a total of p x 100 + item cents
// and a count of -p (item and p make every value its own).
QByteArray Record(int item, int periods) {
  QByteArray record = SignedBcd(item, 3);
  for (int p = 1; p <= periods; ++p) record += SignedBcd(p * 100 + item, 6) + SignedBcd(-p, 6);
  return record;
}

QByteArray Block(int firstItem, int records, int periods, int blockNo) {
  QByteArray data;
  for (int i = 0; i < records; ++i) data += Record(firstItem + i, periods);
  return PollRows::Counted(data, blockNo, records);
}

QString Period(int p, const char* part) {
  return QStringLiteral("Time Period %1 %2").arg(p, 2, 10, QLatin1Char('0')).arg(QLatin1String(part));
}

class ProductMixRpt : public CrsFixture {
protected:
  ProductMixRpt() { report = tEcrFnct::New<tEcrRptCrs3000ProductMix>(&driver); }
  QList<QVariantMap> Poll(const QList<QByteArray>& dataBlocks) {
    QFile file(WorkFile(QStringLiteral("pmix.blk"), QList<QByteArray>{PollRows::Header()} + dataBlocks));
    report->ReadBlockFile(file);
    return PollRows::Of(kTable, report->PollId);
  }
  // Every stored period of the row: the record's own values up to `periods`, 0 after.
  void ExpectPeriods(const QVariantMap& row, int item, int periods) {
    for (int p = 1; p <= 48; ++p) {
      SCOPED_TRACE(p);
      EXPECT_EQ(PollRows::Cents(row.value(Period(p, "Total"))), p <= periods ? p * 100 + item : 0);
      EXPECT_EQ(row.value(Period(p, "Count")).toLongLong(), p <= periods ? -p : 0);
    }
  }
  void ExpectMismatch(const QList<QByteArray>& dataBlocks, const QString& message) {
    try {
      Poll(dataBlocks);
      ADD_FAILURE() << "no error";
    } catch (const ERecMismatch& e) {
      EXPECT_EQ(e.Message(), message);
    }
    EXPECT_TRUE(PollIds().isEmpty());
    EXPECT_EQ(report->GetPrgRecSize(), 0) << "the record size holds only while a block is decoded";
  }

  tTestDriver driver;
  std::unique_ptr<tEcrRptCrs3000ProductMix> report;
};

TEST_F(ProductMixRpt, TheTableHasRoomForFortyEightPeriods) {
  EXPECT_EQ(report->GetRptCode(), 43);
  EXPECT_EQ(report->GetRptName(), QStringLiteral("Product Mix"));
  EXPECT_EQ(report->ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000PMix"));
  EXPECT_EQ(report->GetPrgRecSize(), 0);
  EXPECT_EQ(report->GetRecsInBlk(), 0);
  const TTableDef def = *report->DescribeTable();
  EXPECT_EQ(def.name, kTable);
  ASSERT_EQ(def.fields.size(), 100);
  const QList<TFieldDef> head{{QStringLiteral("Poll Id"), TFieldType::Long, 0},
                              {QStringLiteral("Memory Number"), TFieldType::Short, 0},
                              {QStringLiteral("Name"), TFieldType::Alpha, 12},
                              {QStringLiteral("Pieces"), TFieldType::Short, 0},
                              {QStringLiteral("Time Period 01 Count"), TFieldType::Long, 0},
                              {QStringLiteral("Time Period 01 Total"), TFieldType::Money, 0}};
  EXPECT_EQ(def.fields.mid(0, 6), head);
  EXPECT_EQ(def.fields[98].name, QStringLiteral("Time Period 48 Count"));
  EXPECT_EQ(def.fields[99].name, QStringLiteral("Time Period 48 Total"));
  EXPECT_EQ(def.indexes[0].fields, (QStringList{"Poll Id", "Memory Number"}));
}

// Each block size of the four shapes, full, over two blocks: the second block's items
// follow the first's, and the periods the shape lacks are 0.
TEST_F(ProductMixRpt, EachShapeIsReadFromTheBlocksLengthAndCount) {
  const struct {
    int periods, perBlock, blockBytes;
  } shapes[] = {{12, 12, 1764}, {24, 6, 1746}, {36, 4, 1740}, {48, 3, 1737}};
  for (const auto& s : shapes) {
    SCOPED_TRACE(s.periods);
    const QByteArray full = Block(1, s.perBlock, s.periods, 2);
    EXPECT_EQ(full.size() - 8, s.blockBytes);
    const QList<QVariantMap> rows = Poll({full, Block(s.perBlock + 1, 2, s.periods, 3)});
    ASSERT_EQ(rows.size(), s.perBlock + 2);
    for (int i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].value(QStringLiteral("Memory Number")).toInt(), i + 1);
      EXPECT_EQ(rows[i].value(QStringLiteral("Pieces")).toInt(), i + 1);
      EXPECT_EQ(rows[i].value(QStringLiteral("Name")).toString(), QStringLiteral("Undefined"));
    }
    ExpectPeriods(rows.last(), s.perBlock + 2, s.periods);
  }
}

// One poll whose blocks have different shapes: each block is sized on its own, and its
// items are numbered by its own stride (48 periods: 3 a block; 24: 6; 12: 12).
TEST_F(ProductMixRpt, AMixedSizePollSizesEveryBlockOnItsOwn) {
  const QList<QVariantMap> rows = Poll({Block(1, 3, 48, 2), Block(7, 2, 24, 3), Block(25, 1, 12, 4)});
  ASSERT_EQ(rows.size(), 6);
  const int numbers[] = {1, 2, 3, 7, 8, 25};
  const int periods[] = {48, 48, 48, 24, 24, 12};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].value(QStringLiteral("Memory Number")).toInt(), numbers[i]);
    ExpectPeriods(rows[i], numbers[i], periods[i]);
  }
}

TEST_F(ProductMixRpt, TheRegistersOwnBytesStoreTheirValues) {
  QByteArray record = Hex("00 12 3C") + Hex("00 00 00 00 25 0C") + Hex("00 00 00 00 00 7D");
  record += QByteArray(291 - record.size(), '\0');
  const QList<QVariantMap> rows = Poll({PollRows::Counted(record, 2, 1)});
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].value(QStringLiteral("Pieces")).toInt(), 123);
  EXPECT_EQ(PollRows::Cents(rows[0].value(Period(1, "Total"))), 250);
  EXPECT_EQ(rows[0].value(Period(1, "Count")).toInt(), -7);
}

TEST_F(ProductMixRpt, BlocksThatCannotBeSizedAreRefusedAndNothingIsStored) {
  // 5 records of 200 bytes: no shape.
  ExpectMismatch({PollRows::Counted(QByteArray(1000, '\0'), 2, 5)},
                 QStringLiteral("Block Size Mismatch, got: 1000  expecting: 0"));
  // A count that does not match the data: 6 records of 291 bytes said to be 5.
  ExpectMismatch({PollRows::Counted(Block(1, 6, 24, 2).mid(4, 1746), 2, 5)},
                 QStringLiteral("Block Size Mismatch, got: 1746  expecting: 0"));
  // A record count of 0 sizes no record: refused by name, never divided by.
  ExpectMismatch({Block(1, 3, 48, 2), PollRows::Counted(Block(4, 6, 24, 3).mid(4, 1746), 3, 0)},
                 QStringLiteral("Block Record Count Mismatch, got: 0 records in 1746 bytes  expecting: 1 or more"));
}

TEST_F(ProductMixRpt, AnEmptyDataBlockStoresNothingWhateverItsCount) {
  const QList<QVariantMap> rows = Poll({Block(1, 2, 12, 2), PollRows::Counted(QByteArray(), 3, 0)});
  EXPECT_EQ(rows.size(), 2);
}

TEST_F(ProductMixRpt, APieceCountBeyondAShortIntegerFailsThePoll) {
  QByteArray record = SignedBcd(40000, 3) + QByteArray(144, '\0');
  EXPECT_ANY_THROW(Poll({PollRows::Counted(record, 2, 1)}));
  EXPECT_TRUE(PollIds().isEmpty());
}

TEST_F(ProductMixRpt, NamesComeFromTheProductMixProgram) {
  tNamesPrg<kProductMixClass, kDescriptor>::AddTo(driver, {{2, QStringLiteral("FRIES")}, {25, QStringLiteral("SHAKE")}});
  const QList<QVariantMap> rows = Poll({Block(1, 3, 48, 2), Block(7, 2, 24, 3), Block(25, 1, 12, 4)});
  QStringList names;
  for (const QVariantMap& row : rows) names << row.value(QStringLiteral("Name")).toString();
  EXPECT_EQ(names, (QStringList{"Undefined", "FRIES", "Undefined", "Undefined", "Undefined", "SHAKE"}));
}

TEST_F(ProductMixRpt, ThePeriodCaptionsComeFromTheTimeRangeProgram) {
  EXPECT_EQ(report->FormTables(),
            (QList<Crs3000FormTable>{{QStringLiteral("tblDesc"), QStringLiteral("tEcrPrgCrs3000TimeRange")}}));
}
} // namespace
