// The sales and labour form on polls its decoder stored from synthesised answers, with the
// register's time range program beside them: the known answer of a period, a period with
// labour cost and no sales, the zero-skip test and the totals block that always prints.
#include "FormPrograms.h"
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000SalesLabor.h"

namespace {
struct Period {
  const char* customers;
  const char* total;
  const char* hours;  // as the register keeps them: 100 above the hours worked, or 0
  const char* cost;
};

class SalesLabourForm : public SynthFormFixture {
protected:
  qint32 StorePeriods(const QList<Period>& periods) {
    SynthRequest request;
    request.report = QStringLiteral("saleslabor");
    request.records = int(periods.size());
    for (int p = 0; p < periods.size(); ++p) {
      Set(request, p + 1, QStringLiteral("Customers"), QLatin1String(periods[p].customers));
      Set(request, p + 1, QStringLiteral("Total"), QLatin1String(periods[p].total));
      Set(request, p + 1, QStringLiteral("Labor Hours"), QLatin1String(periods[p].hours));
      Set(request, p + 1, QStringLiteral("Labor Cost"), QLatin1String(periods[p].cost));
    }
    return Decode(labour, request);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    return GeneratedLinesBelow(labour, poll, zeroSkip, QStringLiteral("Time Period Count Total Average"));
  }

  tEcrRptCrs3000SalesLabor& labour = AddReport<tEcrRptCrs3000SalesLabor>();
};

const QList<Period> kPoll{{"10", "200.00", "104.000", "50.00"}, {"0", "0.00", "0", "0.00"}, {"0", "0.00", "0", "30.00"}};
const QStringList kFirst{"7:00:00 AM-8:30:00 AM 10 $200.00 $20.00", "Labor Hours 4.000 $50.00 25.0%", "Labor/CUST 5.00 $50.00"};
const QStringList kEmpty{"12:00:00 AM-12:00:00 AM 0 $.00 $.00", "Labor Hours .000 $.00 .0%", "Labor/CUST .00 $.00"};
const QStringList kCostOnly{"12:00:00 AM-12:00:00 AM 0 $.00 $.00", "Labor Hours .000 $30.00 .0%", "Labor/CUST .00 $.00"};
} // namespace

TEST_F(SalesLabourForm, PeriodBlocksAndTotalsUnderZeroSkipAndWithout) {
  AddTimeRanges(driver, {{1, {QTime(7, 0), QTime(8, 30)}}});
  const qint32 poll = StorePeriods(kPoll);
  // Over 10 customers, 200.00, 4 hours and 80.00 of cost: 40 % and 8.00 a customer.
  const QStringList totals{"Totals 10 $200.00 $20.00", "Labor Hours 4.00 $80.00 40.0%", "Labor/CUST 8.00 $50.00"};
  struct Case {
    const char* name;
    bool zeroSkip;
    QStringList lines;
  };
  const Case cases[] = {
      {"zero skip holds back the empty period alone: labour cost alone counts", true, kFirst + kCostOnly + totals},
      {"without zero skip every period prints", false, kFirst + kEmpty + kCostOnly + totals},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(poll, c.zeroSkip), c.lines) << c.name;
}

// Held-back periods add nothing to the totals, which print all the same.
TEST_F(SalesLabourForm, TheTotalsPrintWhenEveryPeriodIsHeldBack) {
  const QStringList lines = Lines(StorePeriods({kPoll[1], kPoll[1]}), true);
  EXPECT_EQ(lines, (QStringList{"Totals 0 $.00 $.00", "Labor Hours .00 $.00 .0%", "Labor/CUST .00 $.00"}));
}

TEST_F(SalesLabourForm, ThePdfShowsThePeriodAndTheTotals) {
  SKIP_WITHOUT_PDF_TOOLS();
  AddTimeRanges(driver, {{1, {QTime(7, 0), QTime(8, 30)}}});
  const std::optional<RptPageModel> model = Generate(labour, StorePeriods(kPoll), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Sales And Labor"), kFirst + QStringList{"Totals 10 $200.00 $20.00"});
}
