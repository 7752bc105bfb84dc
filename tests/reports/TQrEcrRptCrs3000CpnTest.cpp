// The coupon report form on a stored coupon poll: the line test under zero skip, the
// average, and the totals line of the printed lines that prints only when a line printed.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000Coupon.h"
#include "model/ZeroSkip.h"
#include "platform/engine/TTable.h"
#include "reports/RptPollRun.h"
#include "reports/engine/RptTextRenderer.h"

#include <QScopedValueRollback>

namespace {
struct Coupon {
  QString name;
  QVariant count;  // invalid: empty
  QVariant total;  // in hundredths; invalid: empty
};

class CouponForm : public ReportFormFixture {
protected:
  qint32 Store(const QList<Coupon>& coupons) {
    PollHeader header;
    header.reportClass = QStringLiteral("tEcrRptCrs3000Coupon");
    header.reportName = QStringLiteral("Coupon");
    const qint32 poll = StorePoll(header, {});
    TTable rows;
    coupon->OpenTable(rows);
    int number = 0;
    for (const Coupon& c : coupons) {
      rows.Append();
      rows.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(poll);
      rows.FieldByName(QStringLiteral("Memory Number")).SetAsInteger(++number);
      rows.FieldByName(QStringLiteral("Name")).SetAsString(c.name);
      if (c.count.isValid()) rows.FieldByName(QStringLiteral("Count")).SetAsInteger(c.count.toLongLong());
      if (c.total.isValid()) rows.FieldByName(QStringLiteral("Total")).SetAsMoney(c.total.toLongLong());
      rows.Post();
    }
    return poll;
  }

  // The lines below the column captions, blanks squeezed.
  QStringList Lines(qint32 poll, bool zeroSkip) {
    const QScopedValueRollback skip(ZeroSkip, zeroSkip);
    RptPollRun run(*coupon, poll);
    const std::optional<RptPageModel> model = run.Generate();
    QStringList lines;
    bool below = false;
    for (const QString& line : RptTextRenderer::PageLines(model->pages.value(0), model->setup, 1.27)) {
      if (below) lines.append(line.simplified());
      below = below || line.contains(QLatin1String("Memory Number"));
    }
    return lines;
  }

  tEcrRptCrs3000Coupon* coupon = &AddReport<tEcrRptCrs3000Coupon>();
};
} // namespace

TEST_F(CouponForm, LinesAndTotalsUnderZeroSkipAndWithout) {
  struct Case {
    const char* name;
    QList<Coupon> coupons;
    bool zeroSkip;
    QStringList lines;
  };
  const Case cases[] = {
      {"every line, average and totals",
       {{"TEN OFF", 4, 1000}, {"FREE SODA", 0, 0}},
       false,
       {"1 TEN OFF 4 $10.00 $2.50", "2 FREE SODA 0 $.00 $.00", "Total: 4 $10.00"}},
      {"zero skip holds back a coupon never used",
       {{"TEN OFF", 4, 1000}, {"FREE SODA", 0, 0}},
       true,
       {"1 TEN OFF 4 $10.00 $2.50", "Total: 4 $10.00"}},
      {"a negative total prints under zero skip", {{"REFUND", 0, -500}}, true, {"1 REFUND 0 -$5.00 $.00", "Total: 0 -$5.00"}},
      {"an empty count falls to the total", {{"EMPTY", QVariant(), 250}}, true, {"1 EMPTY $2.50 $.00", "Total: 0 $2.50"}},
      {"nothing printed, no totals line", {{"A", 0, 0}, {"B", QVariant(), QVariant()}}, true, {}},
      {"all zero without zero skip still totals", {{"A", 0, 0}}, false, {"1 A 0 $.00 $.00", "Total: 0 $.00"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(Store(c.coupons), c.zeroSkip), c.lines) << c.name;
}

TEST_F(CouponForm, ASecondGenerationStartsItsTotalsAfresh) {
  const qint32 poll = Store({{"A", 0, 0}});
  const QScopedValueRollback skip(ZeroSkip, true);
  RptPollRun run(*coupon, poll);
  EXPECT_EQ(run.Generate()->PrintedBands().count(QStringLiteral("SummaryBand1")), 0);
  ZeroSkip = false;
  EXPECT_EQ(run.Generate()->PrintedBands().count(QStringLiteral("SummaryBand1")), 1);
  ZeroSkip = true;
  EXPECT_EQ(run.Generate()->PrintedBands().count(QStringLiteral("SummaryBand1")), 0);
}

TEST_F(CouponForm, EveryCaptionAndValueFitsItsColumn) {
  const qint32 poll = Store({{"TWENTY PERCENT OFF", 123456, qlonglong(9876543210)}});
  const std::optional<RptPageModel> model = Generate(*coupon, poll, false);
  ASSERT_TRUE(model);
  EXPECT_EQ(Overflowing(*model), "");
}
