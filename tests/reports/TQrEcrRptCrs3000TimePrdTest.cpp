// The time period form on polls its decoder stored from synthesised answers (the time period
// report and its follow-up kinds), with the register's time range program beside them: the
// period's range, the zero-skip test and the totals line of the printed periods.
#include "FormPrograms.h"
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000TpEatIn.h"

namespace {
class TimePeriodForm : public SynthFormFixture {
protected:
  // Customers and total by period, from period 1.
  qint32 StorePeriods(tEcrRpt& report, const char* synthName, const QList<std::pair<int, const char*>>& periods) {
    SynthRequest request;
    request.report = QLatin1String(synthName);
    request.records = int(periods.size());
    for (int p = 0; p < periods.size(); ++p) {
      Set(request, p + 1, QStringLiteral("Customer"), QString::number(periods[p].first));
      Set(request, p + 1, QStringLiteral("Total"), QLatin1String(periods[p].second));
    }
    return Decode(report, request);
  }

  QStringList Lines(tEcrRpt& report, qint32 poll, bool zeroSkip) {
    const std::optional<RptPageModel> model = Generate(report, poll, zeroSkip);
    EXPECT_TRUE(model);
    return model ? LinesBelow(*model, QStringLiteral("Descriptor Customer Amount Average")) : QStringList();
  }

  tEcrRptCrs3000TimePeriod& period = AddReport<tEcrRptCrs3000TimePeriod>();
};

const QList<std::pair<int, const char*>> kPoll{{4, "20.00"}, {0, "0.00"}, {0, "0.00"}, {0, "0.00"},
                                               {0, "0.00"}, {0, "0.00"}, {0, "12.00"}, {3, "1234.50"}};
const QString kUnused = QStringLiteral("12:00:00 AM-12:00:00 AM");
} // namespace

TEST_F(TimePeriodForm, RangesZeroSkipAndTotals) {
  AddTimeRanges(driver, {{1, {QTime(6, 30), QTime(10, 59)}}, {7, {QTime(11, 0), QTime(13, 30)}}});
  const qint32 poll = StorePeriods(period, "timeperiod", kPoll);
  const QStringList first{"6:30:00 AM-10:59:00 AM 4 $20.00 $5.00"};
  const QStringList last{"11:00:00 AM-1:30:00 PM 0 $12.00 $.00", kUnused + " 3 $1,234.50 $411.50"};
  struct Case {
    const char* name;
    bool zeroSkip;
    QStringList lines;
  };
  QStringList all = first;
  for (int p = 2; p <= 6; ++p) all << kUnused + " 0 $.00 $.00";
  const Case cases[] = {
      {"zero skip: a period with an amount and no customers prints", true, first + last + QStringList{"7 $1,266.50 $180.93"}},
      {"without zero skip every period prints", false, all + last + QStringList{"7 $1,266.50 $180.93"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(period, poll, c.zeroSkip), c.lines) << c.name;
}

// The follow-up kinds print on the same form; the totals line prints with nothing above it.
TEST_F(TimePeriodForm, AFollowUpKindWithNothingPrintsItsTotalsLineAlone) {
  auto& eatIn = AddReport<tEcrRptCrs3000TpEatIn>();
  EXPECT_EQ(eatIn.ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000TimePrd"));
  EXPECT_EQ(Lines(eatIn, StorePeriods(eatIn, "tpeatin", {{0, "0.00"}, {0, "0.00"}}), true), (QStringList{"0 $.00 $.00"}));
}

TEST_F(TimePeriodForm, ThePdfShowsThePeriodsAndNoTransactionNumber) {
  SKIP_WITHOUT_PDF_TOOLS();
  AddTimeRanges(driver, {{7, {QTime(11, 0), QTime(13, 30)}}});
  const std::optional<RptPageModel> model = Generate(period, StorePeriods(period, "timeperiod", kPoll), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Time Period"), {"Transaction Num:", "11:00:00 AM-1:30:00 PM 0 $12.00 $.00", "7 $1,266.50 $180.93"});
}
