// The pages of the log's listing.
#include "CommLogFixture.h"
#include "comm/session/CommLogListing.h"
#include "comm/session/CommLogTable.h"
#include "comm/session/TCommLogRow.h"
#include "platform/engine/TTable.h"

namespace {
QList<QStringList> NumberedRows(int count) {
  QList<QStringList> rows;
  for (int i = 1; i <= count; ++i) rows << QStringList{QString::number(i)};
  return rows;
}

TEST(CommLogListing, EveryPageHasTheTitleTheTimeItsNumberAndTheNineHeadings) {
  const auto pages = CommLogListing::Pages(NumberedRows(3), QStringLiteral("3/4/2026 10:30:00 AM"), 2);
  ASSERT_EQ(pages.size(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(pages[i].title, "Log Table");
    EXPECT_EQ(pages[i].printedAt, "3/4/2026 10:30:00 AM");
    EXPECT_EQ(pages[i].number, i + 1);
    EXPECT_EQ(pages[i].headings, (QStringList{"Number", "Result", "Machine ID", "Store #", "Machine #", "Comm Type",
                                              "Start Time", "End Time", "Duration"}));
  }
}

struct PagingCase {
  int rows;
  QList<int> perPage;
};

class PagingTest : public ::testing::TestWithParam<PagingCase> {};

TEST_P(PagingTest, RowsFillPagesInOrder) {
  const auto pages = CommLogListing::Pages(NumberedRows(GetParam().rows), QString());
  QList<int> perPage;
  int expected = 1;
  for (const auto& page : pages) {
    perPage << int(page.rows.size());
    for (const QStringList& row : page.rows) EXPECT_EQ(row.first(), QString::number(expected++));
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
