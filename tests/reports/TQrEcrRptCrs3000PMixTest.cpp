// The product mix form on polls its decoder stored from synthesised answers, with the
// register's time range program beside them: period labels from the ranges, the unused
// periods 13 to 48 that never print, the zero-skip tests and the unmasked average.
#include "FormPrograms.h"
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000ProductMix.h"

#include <QTime>

namespace {
QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

class ProductMixForm : public SynthFormFixture {
protected:
  // Period p runs from its start hour for an hour; periods without one are unused.
  void StoreTimeRange(const QMap<int, int>& startHours) {
    QMap<int, std::pair<QTime, QTime>> ranges;
    for (auto it = startHours.cbegin(); it != startHours.cend(); ++it)
      ranges.insert(it.key(), {QTime(it.value(), 0), QTime((it.value() + 1) % 24, 0)});
    AddTimeRanges(driver, ranges);
  }

  // One item of 24 periods: pieces and the given (count, total) by period, the others 0.
  qint32 StoreItem(int pieces, const QMap<int, std::pair<int, const char*>>& periods) {
    SynthRequest request;
    request.report = QStringLiteral("prodmix");
    request.records = 1;
    request.periods = {24};
    Set(request, 1, QStringLiteral("Pieces"), QString::number(pieces));
    for (int p = 1; p <= 24; ++p) {
      const auto figures = periods.value(p, {0, "0.00"});
      Set(request, 1, QStringLiteral("Time Period %1 Count").arg(Two(p)), QString::number(figures.first));
      Set(request, 1, QStringLiteral("Time Period %1 Total").arg(Two(p)), QLatin1String(figures.second));
    }
    return Decode(mix, request);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    return GeneratedLinesBelow(mix, poll, zeroSkip, QStringLiteral("Memory Descriptor Count Amount Average"));
  }

  tEcrRptCrs3000ProductMix& mix = AddReport<tEcrRptCrs3000ProductMix>();
};
} // namespace

TEST_F(ProductMixForm, LabelsComeFromTheTimeRangesAndUnusedLatePeriodsNeverPrint) {
  StoreTimeRange({{1, 6}, {15, 14}});
  const qint32 poll = StoreItem(9, {{1, {4, "10.00"}}, {5, {2, "3.00"}}, {15, {3, "7.50"}}, {20, {5, "5.00"}}});
  struct Case {
    const char* name;
    bool zeroSkip;
    QStringList lines;
  };
  QStringList all{"Number", "1 Undefined", "Pieces 9", "6:00:00 AM-7:00:00 AM 4 $10.00 2.50"};
  for (int p = 2; p <= 12; ++p)
    all << (p == 5 ? QStringLiteral("12:00:00 AM-12:00:00 AM 2 $3.00 1.50") : QStringLiteral("12:00:00 AM-12:00:00 AM 0 $.00 .00"));
  all << "2:00:00 PM-3:00:00 PM 3 $7.50 2.50";
  const Case cases[] = {
      {"without zero skip: periods 1 to 12 and the used period 15; unused 20 is held back", false, all},
      {"zero skip: the periods with figures, unused 5 among them, but never unused 20",
       true,
       {"Number", "1 Undefined", "Pieces 9", "6:00:00 AM-7:00:00 AM 4 $10.00 2.50", "12:00:00 AM-12:00:00 AM 2 $3.00 1.50",
        "2:00:00 PM-3:00:00 PM 3 $7.50 2.50"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(poll, c.zeroSkip), c.lines) << c.name;
}

TEST_F(ProductMixForm, AnItemWithoutFiguresPrintsItsHeadingAloneUnderZeroSkip) {
  StoreTimeRange({});
  EXPECT_EQ(Lines(StoreItem(0, {}), true), (QStringList{"Number", "1 Undefined"}));
}

// Without the time range program every period reads as unused: 1 to 12 still print.
TEST_F(ProductMixForm, WithoutATimeRangeProgramTheFirstTwelvePeriodsPrintAsUnused) {
  const QStringList lines = Lines(StoreItem(1, {{14, {1, "1.00"}}}), false);
  ASSERT_EQ(lines.size(), 15) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines[3], QStringLiteral("12:00:00 AM-12:00:00 AM 0 $.00 .00"));
}

TEST_F(ProductMixForm, ThePdfShowsTheItemAndItsPeriods) {
  SKIP_WITHOUT_PDF_TOOLS();
  StoreTimeRange({{15, 14}});
  const std::optional<RptPageModel> model = Generate(mix, StoreItem(12, {{15, {3, "1234.50"}}}), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Product Mix"), {"Pieces 12", "2:00:00 PM-3:00:00 PM 3 $1,234.50 411.50"});
}
