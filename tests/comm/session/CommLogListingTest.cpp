// The pages of the log's listing.
#include "CommLogFixture.h"
#include "comm/session/CommLogListing.h"
#include "comm/session/CommLogListingReport.h"
#include "comm/session/CommLogTable.h"
#include "comm/session/TCommLogRow.h"
#include "platform/engine/TTable.h"
#include "reports/engine/RptTextRenderer.h"

namespace {
QList<QStringList> NumberedRows(int count) {
  QList<QStringList> rows;
  for (int i = 1; i <= count; ++i)
    rows << QStringList{QString::number(i), "Successful", "Front Till", "12", "3", "Script", "3/4/2026 10:30:00 AM",
                        "3/4/2026 11:32:03 AM", "1:02:03"};
  return rows;
}

// The listing as the engine lays it out, a page a list of lines, in cells as narrow as an
// 8-point character.
QList<QStringList> Rendered(const QList<QStringList>& rows) {
  TCommLogListingReport report(rows, QStringLiteral("3/4/2026 10:30:00 AM"));
  const std::optional<RptPageModel> model = report.Generate();
  QList<QStringList> pages;
  if (model)
    for (const RptPage& page : model->pages) pages << RptTextRenderer::PageLines(page, model->setup, 1.5);
  return pages;
}

TEST(CommLogListing, EveryPageHasTheTitleTheTimeItsNumberAndTheNineHeadings) {
  const auto pages = Rendered(NumberedRows(CommLogListing::kRowsPerPage + 1));
  ASSERT_EQ(pages.size(), 2);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    ASSERT_GE(pages[i].size(), 3);
    EXPECT_EQ(pages[i][0].trimmed(), QStringLiteral("Log Table"));
    EXPECT_TRUE(pages[i][1].startsWith(QStringLiteral("3/4/2026 10:30:00 AM")));
    EXPECT_TRUE(pages[i][1].endsWith(QStringLiteral("Page %1").arg(i + 1)));
    EXPECT_EQ(pages[i][2].simplified(),
              QStringLiteral("Number Result Machine ID Store # Machine # Comm Type Start Time End Time Duration"));
  }
  EXPECT_EQ(pages[0][3].simplified(),
            QStringLiteral("1 Successful Front Till 12 3 Script 3/4/2026 10:30:00 AM 3/4/2026 11:32:03 AM 1:02:03"));
}

struct PagingCase {
  int rows;
  QList<int> perPage;
};

class PagingTest : public ::testing::TestWithParam<PagingCase> {};

TEST_P(PagingTest, RowsFillPagesInOrder) {
  const auto pages = Rendered(NumberedRows(GetParam().rows));
  QList<int> perPage;
  int expected = 1;
  for (const QStringList& page : pages) {
    const QStringList rows = page.mid(3); // below the title, the time and the headings
    perPage << int(rows.size());
    for (const QString& row : rows) EXPECT_EQ(row.section(QLatin1Char(' '), 0, 0), QString::number(expected++));
  }
  EXPECT_EQ(perPage, GetParam().perPage);
}

INSTANTIATE_TEST_SUITE_P(Listing, PagingTest,
                         ::testing::Values(PagingCase{0, {0}}, PagingCase{1, {1}}, PagingCase{54, {54}},
                                           PagingCase{55, {54, 1}}, PagingCase{109, {54, 54, 1}}));

class CommLogListingRows : public CommLogFixture {};

TEST_F(CommLogListingRows, ARowIsListedUnderItsHeadings) {
  TCommLogRow log;
  log.Start(machine, 8);
  clock.Advance(3723000);
  log.End(MpmSuccessfull, {QStringLiteral("not listed")});
  TTable table;
  CommLogTable::Open(table);
  const auto rows = CommLogListing::Rows(table);
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0], (QStringList{"1", "Successful", "Front Till", "12", "3", "Script", "3/4/2026 10:30:00 AM",
                                  "3/4/2026 11:32:03 AM", "1:02:03"}));
}
} // namespace
