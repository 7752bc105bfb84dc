// The clock punches form on polls its decoder stored from synthesised answers: the time
// worked across midnight, the zero-skip test on midnight times, and the employee's total.
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000ClkPnchs.h"
#include "reports/TQrEcrRptCrs3000ClrkPnchs.h"

namespace {
struct Punch {
  int job;
  const char* start;
  const char* stop;
  bool onBreak = false;
};

class ClockPunchesForm : public SynthFormFixture {
protected:
  // Four punch slots an employee, in employee order.
  qint32 StorePunches(const QList<QList<Punch>>& employees) {
    SynthRequest request;
    request.report = QStringLiteral("clkpnchs");
    request.records = int(employees.size()) * 4;
    for (int e = 0; e < employees.size(); ++e)
      for (int slot = 0; slot < 4; ++slot) {
        const Punch punch = employees[e].value(slot, {0, "00:00", "00:00"});
        const int place = 4 * e + slot + 1;
        Set(request, place, QStringLiteral("Job Code"), QString::number(punch.job));
        Set(request, place, QStringLiteral("Start Time"), QLatin1String(punch.start));
        Set(request, place, QStringLiteral("Stop Time"), QLatin1String(punch.stop));
        Set(request, place, QStringLiteral("Break"), punch.onBreak ? QStringLiteral("true") : QStringLiteral("false"));
      }
    return Decode(punches, request);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    return GeneratedLinesBelow(punches, poll, zeroSkip, QStringLiteral("Employee Job Code Break Start Stop Total Time"));
  }

  tEcrRptCrs3000ClkPnchs& punches = AddReport<tEcrRptCrs3000ClkPnchs>();
};

// Rows come in job code order within an employee; names come from the register's programs,
// which the driver lacks here.
const QList<QList<Punch>> kPoll{
    {{5, "22:00", "06:30", true}, {6, "09:00", "09:00"}, {7, "00:00", "08:00"}},  // and a slot 00:00-00:00
    {{3, "08:00", "16:00"}, {3, "16:00", "00:00"}, {3, "00:00", "08:00"}, {3, "10:00", "18:20"}},
};
} // namespace

TEST_F(ClockPunchesForm, WorkedTimeAndTotalsUnderZeroSkipAndWithout) {
  const qint32 poll = StorePunches(kPoll);
  const QStringList ben{"2 Undefined", "3 Undefined False 8:00:00 AM 4:00:00 PM 8.00", "3 Undefined False 4:00:00 PM 12:00:00 AM 8.00",
                        "3 Undefined False 12:00:00 AM 8:00:00 AM 8.00", "3 Undefined False 10:00:00 AM 6:20:00 PM 8.33", "32.33"};
  struct Case {
    const char* name;
    bool zeroSkip;
    QStringList lines;
  };
  const Case cases[] = {
      {"zero skip: the midnight-to-midnight slot is held back and adds nothing",
       true,
       QStringList{"1 Undefined", "5 Undefined True 10:00:00 PM 6:30:00 AM 8.50", "6 Undefined False 9:00:00 AM 9:00:00 AM 0.00",
                   "7 Undefined False 12:00:00 AM 8:00:00 AM 8.00", "16.50"} +
           ben},
      {"without zero skip every slot prints",
       false,
       QStringList{"1 Undefined", "Undefined False 12:00:00 AM 12:00:00 AM 0.00", "5 Undefined True 10:00:00 PM 6:30:00 AM 8.50",
                   "6 Undefined False 9:00:00 AM 9:00:00 AM 0.00", "7 Undefined False 12:00:00 AM 8:00:00 AM 8.00", "16.50"} +
           ben},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(poll, c.zeroSkip), c.lines) << c.name;
}

TEST(ClockPunchesWorkedTime, OverMidnightAndWholeDaysInTheTotal) {
  struct Case {
    QTime start, stop;
    int seconds;
  };
  const Case cases[] = {{QTime(22, 0), QTime(6, 30), 8 * 3600 + 1800},
                        {QTime(9, 0), QTime(9, 0), 0},
                        {QTime(0, 0), QTime(0, 0), 0},
                        {QTime(23, 59), QTime(0, 0), 60}};
  for (const Case& c : cases)
    EXPECT_EQ(TQrEcrRptCrs3000ClrkPnchs::WorkedSeconds(c.start, c.stop), c.seconds) << c.start.toString().toStdString();
  // Seconds are dropped; a total past a day counts its days as 24 hours.
  EXPECT_EQ(TQrEcrRptCrs3000ClrkPnchs::Hours(8 * 3600 + 20 * 60 + 59), QStringLiteral("8.33"));
  EXPECT_EQ(TQrEcrRptCrs3000ClrkPnchs::Hours(5 * 24 * 3600 + 45 * 60), QStringLiteral("120.75"));
}

TEST_F(ClockPunchesForm, ThePdfShowsThePunchesAndTheTotal) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model = Generate(punches, StorePunches(kPoll), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Clock Punches"), {"Employee Job Code Break Start Stop Total Time", "1 Undefined", "5 Undefined True 10:00:00 PM 6:30:00 AM 8.50", "32.33"});
}
