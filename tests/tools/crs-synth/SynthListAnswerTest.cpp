// Coupon, cashier and day/shift answers: the bytes of chosen values, and the numbering of
// records across blocks as a decoder must store it.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
const QString kCoupon = QStringLiteral("tEcrRptCrs3000Coupon");
const QString kCashier = QStringLiteral("tEcrRptCrs3000Cashier");

TEST(SynthCoupon, ChosenTotalAndCountKnownBytes) {
  const SynthAnswer answer = Make(QStringLiteral("coupon"), 1, {QStringLiteral("Total=-15.00"), QStringLiteral("Count=3")});
  EXPECT_EQ(answer.code, 44);
  ASSERT_EQ(answer.blocks.size(), 2);
  EXPECT_EQ(Data(answer, 1), Hex("00 00 00 01 50 0D 00 00 00 00 3C"));
  EXPECT_EQ(Rows(answer, kCoupon), QStringList({"Memory Number=1\tName=Undefined\tTotal=-15.00\tCount=3"}));
}

TEST(SynthCoupon, Record181StartsTheSecondDataBlock) {
  const SynthAnswer answer = Make(QStringLiteral("coupon"), 200, {QStringLiteral("181:Total=12.34"), QStringLiteral("181:Count=-7")});
  ASSERT_EQ(answer.blocks.size(), 3);
  EXPECT_EQ(answer.blocks[1].size(), 8 + 180 * 11);
  EXPECT_EQ(answer.blocks[2].size(), 8 + 20 * 11);
  EXPECT_EQ(Data(answer, 2).left(11), Hex("00 00 00 01 23 4C 00 00 00 00 7D"));
  const QStringList rows = Rows(answer, kCoupon);
  ASSERT_EQ(rows.size(), 200);
  EXPECT_EQ(rows[180], QStringLiteral("Memory Number=181\tName=Undefined\tTotal=12.34\tCount=-7"));
  EXPECT_TRUE(TableLine(answer, kCoupon).endsWith(QLatin1String("\tpoll=+0\trows=200")));
}

TEST(SynthCoupon, BlocksAreNumberedDownToZeroWithTheirRecordCounts) {
  const SynthAnswer answer = Make(QStringLiteral("coupon"), 200);
  const QList<QByteArray> heads{Hex("10 02 02 01"), Hex("10 02 01 B4"), Hex("10 02 00 14")};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(answer.blocks[k].left(4), heads[k]) << k;
  EXPECT_EQ(answer.blocks[0].size(), 44);
}

TEST(SynthCoupon, ShortBlocksAreNumberedAsTheDecoderCountsThem) {
  SynthRequest request = Request(QStringLiteral("coupon"), 5);
  request.perBlock = 3;
  const QStringList rows = Rows(Make(request), kCoupon);
  QStringList numbers;
  for (const QString& row : rows) numbers << Field(row, QStringLiteral("Memory Number"));
  EXPECT_EQ(numbers, QStringList({"1", "2", "3", "181", "182"}));
}

TEST(SynthCoupon, NamesComeFromTheGivenTableElseUndefined) {
  SynthRequest request = Request(QStringLiteral("coupon"), 3);
  request.names.insert(2, QStringLiteral("HALF OFF"));
  const QStringList rows = Rows(Make(request), kCoupon);
  EXPECT_EQ(Field(rows[0], QStringLiteral("Name")), QStringLiteral("Undefined"));
  EXPECT_EQ(Field(rows[1], QStringLiteral("Name")), QStringLiteral("HALF OFF"));
}

TEST(SynthCoupon, GeneratedValuesReachNegativesAndTheFieldLimits) {
  const QStringList rows = Rows(Make(QStringLiteral("coupon"), 400, {}, 3), kCoupon);
  QSet<QString> totals;
  bool negative = false;
  for (const QString& row : rows) {
    totals << Field(row, QStringLiteral("Total"));
    negative |= Field(row, QStringLiteral("Count")).startsWith(QLatin1Char('-'));
  }
  EXPECT_TRUE(totals.contains(QStringLiteral("999999999.99")));
  EXPECT_TRUE(totals.contains(QStringLiteral("-999999999.99")));
  EXPECT_TRUE(negative);
}

TEST(SynthCoupon, SameSeedSameAnswerOtherSeedOtherValues) {
  EXPECT_EQ(Make(QStringLiteral("coupon"), 50, {}, 9).blocks, Make(QStringLiteral("coupon"), 50, {}, 9).blocks);
  EXPECT_NE(Make(QStringLiteral("coupon"), 50, {}, 9).blocks, Make(QStringLiteral("coupon"), 50, {}, 10).blocks);
}

TEST(SynthCoupon, RefusesValuesAndPlacesThatDoNotExist) {
  const QString coupon = QStringLiteral("coupon");
  EXPECT_THROW(Make(coupon, 1, {QStringLiteral("Count=1000000000")}), SynthValueError); // nine digits and the sign
  EXPECT_NO_THROW(Make(coupon, 1, {QStringLiteral("Count=-999999999")}));
  EXPECT_THROW(Make(coupon, 1, {QStringLiteral("Total=1.234")}), SynthValueError);
  EXPECT_THROW(Make(coupon, 1, {QStringLiteral("Total=1000000000.00")}), SynthValueError);
  EXPECT_THROW(Make(coupon, 2, {QStringLiteral("3:Total=1.00")}), SynthValueError);
  EXPECT_THROW(Make(coupon, 2, {QStringLiteral("0:Total=1.00")}), SynthValueError);
  EXPECT_THROW(Make(coupon, 1, {QStringLiteral("Totals=1.00")}), SynthValueError);
  EXPECT_THROW(Make(QStringLiteral("voucher"), 1), SynthUsageError);
}

TEST(SynthCashier, DeclareHasNoCountAndTwoRecordsFillABlock) {
  const SynthAnswer answer = Make(QStringLiteral("cashier"), 5, {QStringLiteral("4:Cash Drawer Declare=123.45")});
  ASSERT_EQ(answer.blocks.size(), 4);
  EXPECT_EQ(answer.blocks[1].size(), 1534);
  EXPECT_EQ(answer.blocks[3].size(), 771);
  EXPECT_EQ(Data(answer, 2).mid(763 + 205, 6), Hex("00 00 00 12 34 5C"));
  const QStringList rows = Rows(answer, kCashier);
  ASSERT_EQ(rows.size(), 5);
  EXPECT_EQ(Field(rows[3], QStringLiteral("Memory Number")), QStringLiteral("4"));
  EXPECT_EQ(Field(rows[3], QStringLiteral("Cash Drawer Declare")), QStringLiteral("123.45"));
  EXPECT_FALSE(rows[3].contains(QLatin1String("Cash Drawer Declare Count")));
  EXPECT_EQ(SynthRow::Fields(rows[0]).size(), 2 + 151);
}

TEST(SynthCashier, The303RecordAddsDebitCard) {
  const SynthAnswer answer = Make(QStringLiteral("cashier303"), 1, {QStringLiteral("Debit Card Total=-0.05"), QStringLiteral("Debit Card Count=2")});
  EXPECT_EQ(Data(answer, 1).mid(763, 9), Hex("00 00 00 00 00 5D 00 00 2C"));
  const QStringList rows = Rows(answer, QStringLiteral("tEcrRptCrs3000Cshr303"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_TRUE(rows[0].endsWith(QLatin1String("\tDebit Card Count=2\tDebit Card Total=-0.05")));
  EXPECT_EQ(SynthRow::Fields(rows[0]).size(), 2 + 153);
}

TEST(SynthDayShift, SameBytesAsCashierUnderItsOwnKey) {
  const SynthAnswer cashier = Make(QStringLiteral("cashier"), 3, {}, 4);
  const SynthAnswer dayShift = Make(QStringLiteral("dayshift303"), 3, {}, 4);
  EXPECT_EQ(Make(QStringLiteral("dayshift"), 3, {}, 4).blocks, cashier.blocks);
  EXPECT_EQ(dayShift.code, 60);
  const QStringList rows = Rows(dayShift, QStringLiteral("tEcrRptCrs3000DaySh303"));
  ASSERT_EQ(rows.size(), 3);
  EXPECT_TRUE(rows[2].startsWith(QLatin1String("Day Shift Id=3\tName=Undefined\t")));
  EXPECT_TRUE(TableLine(dayShift, QStringLiteral("tEcrRptCrs3000DaySh303")).contains(QLatin1String("class=tEcrRptCrs3000DayShift303")));
}
} // namespace
