// Clock punches: times as the register keeps them, four slots an employee, 80 employees a
// full block.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
const QString kTable = QStringLiteral("tEcrRptCrs3000ClkPnchs");

TEST(SynthClockPunches, PunchOverMidnightKeepsItsTimes) {
  const SynthAnswer answer = Make(QStringLiteral("clkpnchs"), 1,
                                  {QStringLiteral("Start Time=22:30"), QStringLiteral("Stop Time=06:15"),
                                   QStringLiteral("Job Code=7"), QStringLiteral("Break=true")});
  EXPECT_EQ(answer.code, 80);
  const QByteArray record = Data(answer, 1);
  ASSERT_EQ(record.size(), 6);
  EXPECT_EQ(record.left(4), Hex("22 30 06 15"));
  EXPECT_EQ(quint8(record[4]) & 1, 1);
  EXPECT_EQ(record.mid(5), Hex("07"));
  EXPECT_EQ(Rows(answer, kTable),
            QStringList({"Employee No=1\tJob Code=7\tSequence=1\tName=Undefined\tJob Name=Undefined\t"
                         "Start Time=22:30\tStop Time=06:15\tBreak=true"}));
}

TEST(SynthClockPunches, EmployeeAndSequenceFollowTheSlotsPlace) {
  const QStringList rows = Rows(Make(QStringLiteral("clkpnchs"), 325), kTable);
  ASSERT_EQ(rows.size(), 325);
  EXPECT_EQ(Field(rows[5], QStringLiteral("Employee No")), QStringLiteral("2"));
  EXPECT_EQ(Field(rows[5], QStringLiteral("Sequence")), QStringLiteral("2"));
  EXPECT_EQ(Field(rows[320], QStringLiteral("Employee No")), QStringLiteral("81"));
  EXPECT_EQ(Field(rows[320], QStringLiteral("Sequence")), QStringLiteral("1"));
}

TEST(SynthClockPunches, UnusedBitsOfTheBreakByteAreSetButTheFlagIsBitZero) {
  const SynthAnswer answer = Make(QStringLiteral("clkpnchs"), 300, {}, 2);
  const QByteArray data = Data(answer, 1);
  const QStringList rows = Rows(answer, kTable);
  bool highBitsSeen = false;
  for (int i = 0; i < 300; ++i) {
    const quint8 flags = quint8(data[i * 6 + 4]);
    highBitsSeen |= (flags & 0xFE) != 0;
    EXPECT_EQ(Field(rows[i], QStringLiteral("Break")), (flags & 1) ? QStringLiteral("true") : QStringLiteral("false"));
  }
  EXPECT_TRUE(highBitsSeen);
}

TEST(SynthClockPunches, NamesOfEmployeesAndJobs) {
  SynthRequest request = Request(QStringLiteral("clkpnchs"), 5, {QStringLiteral("5:Job Code=12")});
  request.names.insert(2, QStringLiteral("PAT"));
  request.jobNames.insert(12, QStringLiteral("GRILL"));
  const QStringList rows = Rows(Make(request), kTable);
  EXPECT_EQ(Field(rows[4], QStringLiteral("Name")), QStringLiteral("PAT"));
  EXPECT_EQ(Field(rows[4], QStringLiteral("Job Name")), QStringLiteral("GRILL"));
  EXPECT_EQ(Field(rows[0], QStringLiteral("Name")), QStringLiteral("Undefined"));
}

TEST(SynthClockPunches, RefusesImpossibleTimesAndJobCodes) {
  const QString report = QStringLiteral("clkpnchs");
  EXPECT_THROW(Make(report, 1, {QStringLiteral("Start Time=24:00")}), SynthValueError);
  EXPECT_THROW(Make(report, 1, {QStringLiteral("Stop Time=7:5")}), SynthValueError);
  EXPECT_THROW(Make(report, 1, {QStringLiteral("Job Code=100")}), SynthValueError);
  EXPECT_THROW(Make(report, 1, {QStringLiteral("Break=yes")}), SynthValueError);
}
} // namespace
