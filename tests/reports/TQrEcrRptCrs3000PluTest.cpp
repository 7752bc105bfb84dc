// The PLU report form on stored PLU polls: each line's share of the poll's sales, the line
// test under zero skip, the totals line and when it is left out, on landscape Letter.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000PLU.h"
#include "reports/RptPollRun.h"

#include <QFile>

namespace {
// A PLU record as the register sends it: signed packed BCD, the total in cents.
QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}
QByteArray PluRecord(qint64 cents, qint64 count, qint64 promotion, qint64 waste, qint64 weight) {
  return SignedBcd(cents, 6) + SignedBcd(count, 5) + SignedBcd(promotion, 5) + SignedBcd(waste, 5) + SignedBcd(weight, 6) +
         SignedBcd(0, 6) + SignedBcd(0, 6);
}

struct Plu {
  qint64 code;
  const char* name;
  QVariant count, total;  // invalid: empty; the total in dollars
  qint64 promotion = 0, waste = 0, weight = 0;
};

class PluForm : public ReportFormFixture {
protected:
  qint32 Store(const QList<Plu>& plus) {
    QList<QVariantMap> rows;
    int memory = 0;
    for (const Plu& p : plus)
      rows << QVariantMap{{"Memory Number", ++memory}, {"PluCode", p.code},       {"Name", QString::fromLatin1(p.name)},
                          {"Count", p.count},          {"Total", p.total},        {"Promotion", p.promotion},
                          {"Waste", p.waste},          {"Weight", p.weight}};
    return ReportFormFixture::Store(plu, rows);
  }
  QStringList Lines(const QList<Plu>& plus, bool zeroSkip) {
    const std::optional<RptPageModel> model = Generate(plu, Store(plus), zeroSkip);
    return model ? LinesBelow(*model, QStringLiteral("PLU #")) : QStringList{QStringLiteral("(nothing generated)")};
  }

  tEcrRptCrs3000PLU& plu = AddReport<tEcrRptCrs3000PLU>();
};
} // namespace

TEST_F(PluForm, EachLineShowsItsShareOfTheSalesThatAreNotBelowZero) {
  struct Case {
    const char* name;
    QList<Plu> plus;
    QStringList lines;
  };
  const Case cases[] = {
      {"negative totals stay out of the grand total",
       {{1001, "BURGER", 3, 300.0}, {1002, "FRIES", 1, 100.0}, {1003, "REFUND", 1, -50.0}},
       {"1001 1 BURGER 3 $300.00 $100.00 75% 0 0 0", "1002 2 FRIES 1 $100.00 $100.00 25% 0 0 0",
        "1003 3 REFUND 1 -$50.00 -$50.00 0% 0 0 0", "5 $350.00 $70.00 0 0 0"}},
      {"one PLU holding all sales", {{7, "COFFEE", 2, 3.0}, {8, "TEA", 0, 0.0}},
       {"7 1 COFFEE 2 $3.00 $1.50 100% 0 0 0", "8 2 TEA 0 $.00 $.00 0% 0 0 0", "2 $3.00 $1.50 0 0 0"}},
      {"29 of 100 is 29, not 28.99", {{1, "A", 1, 29.0}, {2, "B", 1, 71.0}},
       {"1 1 A 1 $29.00 $29.00 29% 0 0 0", "2 2 B 1 $71.00 $71.00 71% 0 0 0", "2 $100.00 $50.00 0 0 0"}},
      {"cut, not rounded, after two decimals", {{1, "A", 1, 2.0}, {2, "B", 1, 1.0}},
       {"1 1 A 1 $2.00 $2.00 66.66% 0 0 0", "2 2 B 1 $1.00 $1.00 33.33% 0 0 0", "2 $3.00 $1.50 0 0 0"}},
      {"a share below 0.01 is 0", {{1, "BIG", 1, 100.0}, {2, "TINY", 1, 0.004}},
       {"1 1 BIG 1 $100.00 $100.00 99.99% 0 0 0", "2 2 TINY 1 $.00 $.00 0% 0 0 0", "2 $100.00 $50.00 0 0 0"}},
      {"cents without a dollar", {{5, "GUM", 1, 0.5}}, {"5 1 GUM 1 $.50 $.50 100% 0 0 0", "1 $.50 $.50 0 0 0"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.plus, false), c.lines) << c.name;
}

TEST_F(PluForm, ZeroSkipTriesCountThenWasteThenTotalAndTheTotalsLineNeedsBothSums) {
  struct Case {
    const char* name;
    QList<Plu> plus;
    bool zeroSkip;
    QStringList lines;
  };
  const Case cases[] = {
      {"promotion and weight alone do not print a line; waste does",
       {{1, "SOLD", 2, 4.0, 1, 0, 10}, {2, "PROMO", 0, 0.0, 4, 0, 20}, {3, "WASTED", 0, 0.0, 0, 3, 0}},
       true,
       {"1 1 SOLD 2 $4.00 $2.00 100% 1 0 10", "3 3 WASTED 0 $.00 $.00 0% 0 3 0", "2 $4.00 $2.00 1 3 10"}},
      {"without zero skip every line prints and sums",
       {{1, "SOLD", 2, 4.0, 1, 0, 10}, {2, "PROMO", 0, 0.0, 4, 0, 20}},
       false,
       {"1 1 SOLD 2 $4.00 $2.00 100% 1 0 10", "2 2 PROMO 0 $.00 $.00 0% 4 0 20", "2 $4.00 $2.00 5 0 30"}},
      {"a total alone prints the line; zero counts leave out the totals line",
       {{1, "OPEN", 0, 5.0}},
       true,
       {"1 1 OPEN 0 $5.00 $.00 100% 0 0 0"}},
      {"zero counts leave out the totals line without zero skip too", {{1, "A", 0, 5.0}, {2, "B", 0, 0.0}}, false,
       {"1 1 A 0 $5.00 $.00 100% 0 0 0", "2 2 B 0 $.00 $.00 0% 0 0 0"}},
      {"totals that cancel leave out the totals line", {{1, "SALE", 1, 5.0}, {2, "VOID", 1, -5.0}}, false,
       {"1 1 SALE 1 $5.00 $5.00 100% 0 0 0", "2 2 VOID 1 -$5.00 -$5.00 0% 0 0 0"}},
      {"an empty count falls through to the total", {{1, "A", QVariant(), 2.0}, {2, "B", QVariant(), QVariant()}}, true,
       {"1 1 A $2.00 $.00 100% 0 0 0"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.plus, c.zeroSkip), c.lines) << c.name;
}

TEST_F(PluForm, EveryGenerationWorksOutItsGrandTotalAfresh) {
  const qint32 poll = Store({{1, "A", 1, 30.0}, {2, "B", 3, 10.0}});
  RptPollRun run(plu, poll);
  const std::optional<RptPageModel> first = run.Generate();
  const std::optional<RptPageModel> second = run.Generate();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(LinesBelow(*second, QStringLiteral("PLU #")), LinesBelow(*first, QStringLiteral("PLU #")));
  EXPECT_EQ(LinesBelow(*second, QStringLiteral("PLU #")).value(0), QStringLiteral("1 1 A 1 $30.00 $30.00 75% 0 0 0"));
}

TEST_F(PluForm, APollWithoutRowsGeneratesNothing) { EXPECT_FALSE(Generate(plu, Store({}), false)); }

TEST_F(PluForm, ThePdfIsLandscapeLetterWithTheCaptionsLinesAndTotals) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model =
      Generate(plu, Store({{1001, "BURGER", 3, 300.0, 1, 2, 450}, {1002, "FRIES", 1, 100.0}, {1003, "REFUND", 1, -50.0}}), false);
  ASSERT_TRUE(model);
  EXPECT_EQ(Overflowing(*model), "");
  const Pdf pdf = ReadBackPdf(*model);
  EXPECT_EQ(pdf.pageSize, QStringLiteral("792 x 612 pts (letter)"));
  ASSERT_EQ(pdf.pages.size(), 1);
  const QStringList& page = pdf.pages[0];
  ASSERT_FALSE(page.isEmpty());
  EXPECT_TRUE(page[0].startsWith(QLatin1String("Date Printed:")) && page[0].contains(QLatin1String(" PLU Page: 1")))
      << page[0].toStdString();
  for (const char* line : {"PLU # Seq. # Descriptor Count Amount Average Percentage Promo Waste Weight",
                           "1001 1 BURGER 3 $300.00 $100.00 75% 1 2 450", "1002 2 FRIES 1 $100.00 $100.00 25% 0 0 0",
                           "1003 3 REFUND 1 -$50.00 -$50.00 0% 0 0 0", "5 $350.00 $70.00 1 2 450"})
    EXPECT_TRUE(page.contains(QString::fromLatin1(line))) << line << "\n" << page.join(u'\n').toStdString();
}

TEST_F(PluForm, APollStoredFromTheRegistersBlocksPrintsUnderItsDecodedNames) {
  const QByteArray header = Framed(QByteArray::fromHex("005801030426000C12340742") + QByteArray(24, '\0'), 1);
  const QByteArray records = PluRecord(30000, 3, 0, 0, 0) + PluRecord(10000, 1, 2, 0, 125) + PluRecord(-5000, 1, 0, 0, 0) +
                             PluRecord(0, 0, 4, 0, 9) + PluRecord(0, 0, 0, 2, 0);
  QFile file(WorkFile(QStringLiteral("plu.blk"), {header, Framed(records, 2)}));
  plu.ReadBlockFile(file);
  const std::optional<RptPageModel> model = Generate(plu, plu.PollId, true);
  ASSERT_TRUE(model);
  EXPECT_EQ(LinesBelow(*model, QStringLiteral("PLU #")),
            (QStringList{"0 1 Undefined 3 $300.00 $100.00 75% 0 0 0", "0 2 Undefined 1 $100.00 $100.00 25% 2 0 125",
                         "0 3 Undefined 1 -$50.00 -$50.00 0% 0 0 0", "0 5 Undefined 0 $.00 $.00 0% 0 2 0",
                         "5 $350.00 $70.00 2 2 125"}));
}
