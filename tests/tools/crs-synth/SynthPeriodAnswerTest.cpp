// The period reports, product projection, product mix and time keeping: the bytes of
// chosen values, the record count and size of each product mix block, the numbering a
// decoder must store, and the rows each record stands for.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/Synthesiser.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
TEST(SynthTimePeriod, ChosenValuesGiveTheRegistersBytes) {
  const SynthAnswer answer = Make(QStringLiteral("timeperiod"), 50, {"50:Customer=-123", "50:Total=12.34"});
  EXPECT_EQ(answer.code, 35);
  ASSERT_EQ(answer.blocks.size(), 3);
  EXPECT_EQ(Data(answer, 2).mid(9), Hex("00 12 3D 00 00 00 01 23 4C"));
  const QStringList rows = Rows(answer, QStringLiteral("tEcrRptCrs3000TimePer"));
  ASSERT_EQ(rows.size(), 50);
  EXPECT_EQ(rows[49], QStringLiteral("Memory Number=50\tCustomer=-123\tTotal=12.34"));
}

TEST(SynthTimePeriod, FollowUpsShareTheTableUnderTheirOwnClass) {
  const SynthAnswer answer = Make(QStringLiteral("tptakeout"), 1);
  EXPECT_EQ(answer.code, 57);
  EXPECT_TRUE(TableLine(answer, QStringLiteral("tEcrRptCrs3000TimePer"))
                  .contains(QLatin1String("class=tEcrRptCrs3000TpTakeOut\treport=Time Period Take Out")));
}

TEST(SynthTpGrp, GroupTwoAndAllGroupsLandAtTheirOffsets) {
  const SynthAnswer answer = Make(QStringLiteral("tpgrp"), 9, {"9:Group 02 Total=2.50", "9:Group 02 Count=7"});
  ASSERT_EQ(answer.blocks.size(), 3);
  EXPECT_EQ(Data(answer, 2).size(), 3 * 231);
  EXPECT_EQ(Data(answer, 2).mid(2 * 231 + 11, 11), Hex("00 00 00 00 25 0C 00 00 00 00 7C"));
  const QString row = Rows(answer, QStringLiteral("tEcrRptCrs3000TpGrp"))[8];
  EXPECT_EQ(Field(row, QStringLiteral("Memory Number")), QStringLiteral("9"));
  EXPECT_EQ(Field(row, QStringLiteral("Group 02 Total")), QStringLiteral("2.50"));
  EXPECT_TRUE(row.contains(QLatin1String("Group 02 Count=7\tGroup 02 Total=2.50"))) << "count before total";
}

// The stored labour hours are the register's figure less 100 when above zero.
TEST(SynthSalesLabour, LabourHoursAreStoredOneHundredLess) {
  const std::pair<const char*, const char*> cases[] = {
      {"102.5", "2.5"}, {"0", "0"}, {"102.505", "2.505"}, {"0.05", "-99.95"}, {"100", "0"}};
  for (const auto& [figure, stored] : cases) {
    const SynthAnswer answer = Make(QStringLiteral("saleslabor"), 1, {QStringLiteral("Labor Hours=%1").arg(QLatin1String(figure))});
    EXPECT_EQ(Field(Rows(answer, QStringLiteral("tEcrRptCrs3000SalesLab"))[0], QStringLiteral("Labor Hours")),
              QLatin1String(stored))
        << figure;
  }
  const SynthAnswer answer = Make(QStringLiteral("saleslabor"), 1, {"Labor Hours=102.5", "Labor Cost=-9.99"});
  EXPECT_EQ(Data(answer, 1).mid(9), Hex("00 00 10 25 00 00 00 00 00 99 9D"));
  EXPECT_THROW(Make(QStringLiteral("saleslabor"), 1, {"Labor Hours=-1"}), SynthValueError);
}

TEST(SynthProjection, WeekValuesAndTheUnusedBytes) {
  const SynthAnswer answer =
      Make(QStringLiteral("prdprjfri"), 12, {"12:Period 01 Week 1=12", "12:Period 01 Week 2=-5", "12:Period 48 Week 4=999"});
  EXPECT_EQ(answer.code, 54);
  ASSERT_EQ(answer.blocks.size(), 4);
  const QByteArray record = Data(answer, 3).mid(392);
  EXPECT_EQ(record.left(4), Hex("01 2C 00 5D"));
  EXPECT_EQ(record.mid(382, 2), Hex("99 9C"));
  EXPECT_FALSE(record.mid(384).contains('\0')) << "unused bytes are filled";
  const QString row = Rows(answer, QStringLiteral("tEcrRptCrs3000ProdPrj"))[11];
  EXPECT_TRUE(row.startsWith(QLatin1String("Day=6\tMemory Number=12\tName=Undefined\tPeriod 01 Week 1=12\tPeriod 01 Week 2=-5")));
}

TEST(SynthProductMix, EachBlocksCountAndSizeFollowItsPeriods) {
  SynthRequest request = Request(QStringLiteral("prodmix"), 10);
  request.periods = {48, 24, 12};
  const SynthAnswer answer = Make(request);
  ASSERT_EQ(answer.blocks.size(), 4);
  EXPECT_EQ(answer.blocks[1].size(), 8 + 1737);
  EXPECT_EQ(quint8(answer.blocks[1][3]), 3);
  EXPECT_EQ(answer.blocks[2].size(), 8 + 1746);
  EXPECT_EQ(quint8(answer.blocks[2][3]), 6);
  EXPECT_EQ(answer.blocks[3].size(), 8 + 147);
  EXPECT_EQ(quint8(answer.blocks[3][3]), 1);
  QStringList numbers;
  for (const QString& row : Rows(answer, QStringLiteral("tEcrRptCrs3000ProdMix")))
    numbers << Field(row, QStringLiteral("Memory Number"));
  EXPECT_EQ(numbers, (QStringList{"1", "2", "3", "7", "8", "9", "10", "11", "12", "25"}));
  const QString last = Rows(answer, QStringLiteral("tEcrRptCrs3000ProdMix")).last();
  EXPECT_EQ(Field(last, QStringLiteral("Time Period 13 Total")), QStringLiteral("0.00"));
  EXPECT_EQ(Field(last, QStringLiteral("Time Period 48 Count")), QStringLiteral("0"));
  request.periods = {20};
  EXPECT_THROW(Make(request), SynthValueError);
}

TEST(SynthProductMix, ChosenValuesGiveTheRegistersBytes) {
  SynthRequest request = Request(QStringLiteral("prodmix"), 1, {"Pieces=123", "Time Period 01 Total=2.50", "Time Period 01 Count=-7"});
  request.periods = {12};
  const SynthAnswer answer = Make(request);
  EXPECT_EQ(Data(answer, 1).left(15), Hex("00 12 3C 00 00 00 00 25 0C 00 00 00 00 00 7D"));
  EXPECT_THROW(Make(Request(QStringLiteral("prodmix"), 1, {"Time Period 30 Total=1.00"})), SynthValueError)
      << "no period 30 in a record of 24";
}

TEST(SynthTimeKeeping, ARecordIsFourRowsWithTheTipsOnTheFirst) {
  const SynthAnswer answer = Make(QStringLiteral("timekeeping"), 41,
                                  {"41:Tips=15.00", "41:Job Code 1=12", "41:Regular Hrs 1=8.00", "41:Over Time Hrs 1=0.50"});
  EXPECT_EQ(answer.code, 81);
  ASSERT_EQ(answer.blocks.size(), 3);
  EXPECT_EQ(Data(answer, 2).left(16), Hex("00 00 01 50 0C 12 00 00 00 80 0C 00 00 00 05 0C"));
  const QStringList rows = Rows(answer, QStringLiteral("tEcrRptCrs3000TimeKeep"));
  ASSERT_EQ(rows.size(), 164);
  EXPECT_TRUE(rows[160].startsWith(QLatin1String("Employee No=41\tJob Code=12\tSequence=1\tName=Undefined\tJob Name=Undefined\t"
                                                  "Tips=15.00\tRegular Hrs=8.00\tOver Time Hrs=0.50")));
  for (int k = 161; k < 164; ++k) EXPECT_EQ(Field(rows[k], QStringLiteral("Tips")), QStringLiteral("0.00"));
  EXPECT_EQ(Field(rows[163], QStringLiteral("Sequence")), QStringLiteral("4"));
}

// The poll type of these reports is the reset option's, whatever the header byte holds.
TEST(SynthTimeKeeping, ThePollTypeFollowsTheResetOption) {
  for (const bool reset : {false, true}) {
    SynthRequest request = Request(QStringLiteral("prdprjmon"), 1);
    request.reset = reset;
    request.header = {{QStringLiteral("Poll Type"), QStringLiteral("Q")}};
    const SynthAnswer answer = Make(request);
    EXPECT_TRUE(answer.expectations[0].contains(reset ? QLatin1String("Poll Type=Z") : QLatin1String("Poll Type=X")));
    EXPECT_EQ(Data(answer, 0)[1], 'Q');
  }
}
} // namespace
