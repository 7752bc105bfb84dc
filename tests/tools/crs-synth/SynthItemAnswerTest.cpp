// PLU, group, inventory, special item stock and open-order answers: the bytes of chosen
// values, what the programs give each row, and the record shapes of the open-order tracks.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
TEST(SynthItems, APluRecordIsTotalThreeCountsAndThreeWeights) {
  SynthRequest request = Request(QStringLiteral("plu"), 53,
                                 {"53:Total=-12.34", "53:Count=-5", "53:Promotion=2", "53:Waste=3", "53:Weight=99999999999",
                                  "53:Promotion Weight=0", "53:Waste Weight=-1"});
  request.names.insert(53, QStringLiteral("FRIES"));
  request.codes.insert(53, 4711);
  request.codes.insert(52, 99); // no name: not in the program, so code 0
  const SynthAnswer answer = Make(request);
  EXPECT_EQ(answer.code, 38);
  ASSERT_EQ(answer.blocks.size(), 3);
  EXPECT_EQ(answer.blocks[1].size(), 8 + 50 * 39);
  EXPECT_EQ(Data(answer, 2).right(39), Hex("00 00 00 01 23 4D  00 00 00 00 5D  00 00 00 00 2C  00 00 00 00 3C"
                                           "  99 99 99 99 99 9C  00 00 00 00 00 0C  00 00 00 00 00 1D"));
  const QStringList rows = Rows(answer, QStringLiteral("tEcrRptCrs3000PLU"));
  EXPECT_EQ(rows[52], QStringLiteral("Memory Number=53\tPluCode=4711\tName=FRIES\tTotal=-12.34\tCount=-5\tPromotion=2\t"
                                     "Waste=3\tWeight=99999999999\tPromotion Weight=0\tWaste Weight=-1"));
  EXPECT_EQ(Field(rows[51], QStringLiteral("PluCode")), QStringLiteral("0"));
}

TEST(SynthItems, GroupsAndStockAreNumberedByTheirOwnBlockSizes) {
  const struct {
    const char* report;
    int perBlock;
    int recordSize;
  } cases[] = {{"majgroup", 20, 17}, {"subgroup", 99, 17}, {"invt", 50, 35}, {"spcitmstk", 255, 3}};
  for (const auto& c : cases) {
    const SynthAnswer answer = Make(QLatin1String(c.report));
    ASSERT_EQ(answer.blocks.size(), 3) << c.report;
    EXPECT_EQ(answer.blocks[1].size(), 8 + c.perBlock * c.recordSize) << c.report;
    EXPECT_EQ(answer.blocks[2].size(), 8 + c.recordSize) << c.report;
  }
}

TEST(SynthItems, InventoryRowsCarryTheAbsentItemsAttributesAfterTheQuantities) {
  const SynthAnswer answer = Make(QStringLiteral("invt"), 1, {"Begin=-12", "Total=7"});
  EXPECT_EQ(Data(answer, 1).left(5), Hex("00 00 00 01 2D"));
  const QString row = Rows(answer, QStringLiteral("tEcrRptCrs3000Invt")).first();
  EXPECT_TRUE(row.startsWith(QLatin1String("Memory Number=1\tDescriptor=Undefined\tBegin=-12\t"))) << row.toStdString();
  EXPECT_TRUE(row.endsWith(QLatin1String("\tTotal=7\tFCTR=1\tUnit Desc=UNDF\tCost=0.00\tRecipe Unit=UNDF")))
      << row.toStdString();
  SynthRequest named = Request(QStringLiteral("invt"), 1);
  named.names.insert(1, QStringLiteral("FLOUR"));
  EXPECT_THROW(Make(named), SynthValueError);
}

// Item 5 stands for PLU memory 120, which has a name; item 6 for 121, which has none.
TEST(SynthItems, AStockItemIsNamedByThePluItStandsFor) {
  SynthRequest request = Request(QStringLiteral("spcitmstk"), 6, {"5:Stock=-125", "6:Stock=1000"});
  request.codes.insert(5, 120);
  request.codes.insert(6, 121);
  request.names.insert(120, QStringLiteral("ROAST"));
  request.names.insert(5, QStringLiteral("NOT THIS"));
  const SynthAnswer answer = Make(request);
  EXPECT_EQ(Data(answer, 1).right(6), Hex("00 12 5D 01 00 0C"));
  const QStringList rows = Rows(answer, QStringLiteral("tEcrRptCrs3000SpcItmStk"));
  EXPECT_EQ(rows[4], QStringLiteral("Memory Number=5\tPLU Number=120\tDescriptor=ROAST\tStock=-125"));
  EXPECT_EQ(rows[5], QStringLiteral("Memory Number=6\tPLU Number=121\tDescriptor=Undefined\tStock=1000"));
  EXPECT_EQ(rows[0], QStringLiteral("Memory Number=1\tPLU Number=0\tDescriptor=Undefined\t") +
                         rows[0].section(QLatin1Char('\t'), 3));
}

TEST(SynthOpenOrders, TrackRecordsAre29BytesAndFromRomVersion4Thirty) {
  const QStringList sets{"Tracking Number=A<1", "Order=1234", "Cashier=PAT", "Time=13:45", "Balance=-2.50"};
  const SynthAnswer narrow = Make(QStringLiteral("opnordtrk2"), 1, sets);
  EXPECT_EQ(narrow.code, 65);
  EXPECT_EQ(Data(narrow, 1), Hex("41 0E 31 00 00 00 00  12 34  50 41 54 00 00 00 00 00 00 00 00 00  13 45"
                                 "  00 00 00 00 25 0D"));
  EXPECT_EQ(Rows(narrow, QStringLiteral("tEcrRptCrs3000Lane12")),
            QStringList{"Tracking Number=A<1\tTrack=2\tMemory Number=1\tOrder=1234\tCashier=PAT\tTime=13:45\tBalance=-2.50"});
  const SynthAnswer wide = Make(QStringLiteral("opnordtrk1v4"), 1, QStringList(sets) << "Tracking Number=12345678");
  EXPECT_EQ(wide.code, 64);
  EXPECT_EQ(Data(wide, 1).size(), 30);
  EXPECT_EQ(Data(wide, 1).left(10), Hex("31 32 33 34 35 36 37 38  12 34"));
  EXPECT_THROW(Make(QStringLiteral("opnordtrk1"), 1, {"Tracking Number=12345678"}), SynthValueError);
}

TEST(SynthOpenOrders, Track3CheckAndTableAreDigitTextsOrBlank) {
  const SynthAnswer answer = Make(QStringLiteral("opnordtrk3"), 61, {"61:Check=1234", "61:Table=12", "60:Check="});
  EXPECT_EQ(answer.code, 66);
  ASSERT_EQ(answer.blocks.size(), 3);
  EXPECT_EQ(Data(answer, 2).left(11), QByteArray("00012340012"));
  EXPECT_EQ(Data(answer, 1).right(31).left(7), QByteArray(7, ' '));
  const QStringList rows = Rows(answer, QStringLiteral("tEcrRptCrs3000OpnOrd3"));
  EXPECT_TRUE(rows[60].startsWith(QLatin1String("Memory Number=61\tCheck=1234\tTable=12\t")));
  EXPECT_TRUE(rows[59].startsWith(QLatin1String("Memory Number=60\tCheck=\\N\t")));
  EXPECT_THROW(Make(QStringLiteral("opnordtrk3"), 1, {"Check=32768"}), SynthValueError);
  EXPECT_THROW(Make(QStringLiteral("opnordtrk3"), 1, {"Order=1"}), SynthValueError);
}
} // namespace
