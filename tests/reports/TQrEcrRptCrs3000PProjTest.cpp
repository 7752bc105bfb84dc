// The product projection form on polls its decoder stored from synthesised answers, with
// the register's time range program beside them: the unrounded average of the four weeks,
// the zero-skip test on any week, every period printed without zero skip, no Z counter.
#include "FormPrograms.h"
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000ProductProjection.h"

namespace {
using Weeks = std::array<int, 4>;

class ProductProjectionForm : public SynthFormFixture {
protected:
  // One item on Sunday with the given week counts by period, the others 0.
  qint32 StoreItem(const QMap<int, Weeks>& periods) {
    SynthRequest request;
    request.report = QStringLiteral("prdprjsun");
    request.records = 1;
    for (int p = 1; p <= 48; ++p)
      for (int w = 1; w <= 4; ++w)
        Set(request, 1, QStringLiteral("Period %1 Week %2").arg(p, 2, 10, QLatin1Char('0')).arg(w),
            QString::number(periods.value(p, Weeks{})[w - 1]));
    return Decode(projection, request);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    return GeneratedLinesBelow(projection, poll, zeroSkip, QStringLiteral("Memory Week 1 Week 2 Week 3 Week 4"));
  }

  tEcrRptCrs3000PrdPrjSun& projection = AddReport<tEcrRptCrs3000PrdPrjSun>();
};

const QString kUnused = QStringLiteral("12:00:00 AM-12:00:00 AM");
} // namespace

TEST_F(ProductProjectionForm, AveragesUnroundedAndZeroSkipOnAnyWeek) {
  AddTimeRanges(driver, {{2, {QTime(11, 0), QTime(13, 30)}}, {40, {QTime(18, 0), QTime(19, 0)}}});
  const qint32 poll = StoreItem({{2, {4, 6, 0, 2}}, {7, {1, 0, 0, 0}}, {40, {0, 0, 0, 9}}});
  const QStringList lines = Lines(poll, true);
  EXPECT_EQ(lines, (QStringList{"Number Count Count Count Count Avg", "1", "11:00:00 AM-1:30:00 PM 4 6 0 2 3",
                                kUnused + " 1 0 0 0 0.25", "6:00:00 PM-7:00:00 PM 0 0 0 9 2.25"}));
}

// The 48 lines run onto a second page.
TEST_F(ProductProjectionForm, WithoutZeroSkipEveryPeriodPrintsUsedOrNot) {
  AddTimeRanges(driver, {{48, {QTime(23, 0), QTime(23, 59)}}});
  const std::optional<RptPageModel> model = Generate(projection, StoreItem({}), false);
  ASSERT_TRUE(model);
  QStringList lines;
  for (const QStringList& page : PageLines(*model)) lines += page;
  EXPECT_EQ(lines.count(kUnused + " 0 0 0 0 0"), 47) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines.count(QStringLiteral("11:00:00 PM-11:59:00 PM 0 0 0 0 0")), 1);
}

TEST_F(ProductProjectionForm, AnItemWithoutCountsPrintsItsHeadingAloneUnderZeroSkip) {
  EXPECT_EQ(Lines(StoreItem({}), true), (QStringList{"Number Count Count Count Count Avg", "1"}));
}

TEST_F(ProductProjectionForm, ThePdfHasNoZCounter) {
  SKIP_WITHOUT_PDF_TOOLS();
  AddTimeRanges(driver, {{2, {QTime(11, 0), QTime(13, 30)}}});
  const std::optional<RptPageModel> model = Generate(projection, StoreItem({{2, {4, 6, 0, 2}}}), true);
  ASSERT_TRUE(model);
  EXPECT_EQ(Overflowing(*model), "");
  const Pdf pdf = ReadBackPdf(*model);
  EXPECT_EQ(pdf.pageSize, QStringLiteral("612 x 792 pts (letter)"));
  ASSERT_EQ(pdf.pages.size(), 1);
  const QString text = pdf.pages[0].join(u'\n');
  EXPECT_TRUE(pdf.pages[0][0].contains(QLatin1String("Product Projection"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QLatin1String("Z Counter"))) << text.toStdString();
  EXPECT_TRUE(pdf.pages[0].contains(QStringLiteral("11:00:00 AM-1:30:00 PM 4 6 0 2 3"))) << text.toStdString();
}
