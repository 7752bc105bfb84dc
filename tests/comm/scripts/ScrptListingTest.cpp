// The script listing: each script's record with its action lines, the cap of 57 lines,
// and the page breaks.
#include "ScrptFixture.h"

#include "comm/scripts/ScrptList.h"
#include "comm/scripts/ScrptListing.h"
#include "comm/scripts/ScrptListingReport.h"
#include "reports/engine/RptTextRenderer.h"

#include <gtest/gtest.h>

namespace {
using ScrptListingTest = ScrptFixture;
using namespace ScrptListing;

TEST_F(ScrptListingTest, ARecordHasALineAnActionUpTo57AndSaysWhenMoreAreLeftOut) {
  struct Case {
    int actions;
    int lines;
    bool more;
    int height;
  };
  const QList<Case> cases = {
      {0, 0, false, 32}, {1, 1, false, 32},  {2, 2, false, 49},   {56, 56, false, 967},
      {57, 57, false, 984}, {58, 58, true, 1001}, {60, 58, true, 1001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.actions);
    QString kinds(c.actions, QLatin1Char('P'));
    if (c.actions > 0) kinds[c.actions - 1] = QLatin1Char('S'); // the last action is told apart
    const Record record = MakeRecord(*MakeScrpt(QStringLiteral("Big"), kinds));
    EXPECT_EQ(record.scriptId, QStringLiteral("Big"));
    ASSERT_EQ(record.lines.size(), c.lines);
    EXPECT_EQ(record.height, c.height);
    if (c.lines == 0) continue;
    EXPECT_EQ(record.lines.first(), c.actions == 1 ? QStringLiteral("PROGRAM SEND - Alpha")
                                                   : QStringLiteral("REPORT POLL - Financial"));
    if (c.more) {
      EXPECT_EQ(record.lines.last(), QStringLiteral("More Events Not Listed."));
      EXPECT_EQ(record.lines.count(QStringLiteral("REPORT POLL - Financial")), 57);
    } else {
      EXPECT_EQ(record.lines.last(), QStringLiteral("PROGRAM SEND - Alpha"));
    }
  }
}

TEST_F(ScrptListingTest, RecordsFollowTheListAndLeaveOutScriptsNoLongerStored) {
  InsertScrpt(*MakeScrpt(QStringLiteral("B"), QStringLiteral("SP")));
  InsertScrpt(*MakeScrpt(QStringLiteral("A"), QStringLiteral("L")));
  const QList<Record> records = Records({QStringLiteral("B"), QStringLiteral("Gone"), QStringLiteral("A")});
  ASSERT_EQ(records.size(), 2);
  EXPECT_EQ(records[0].scriptId, QStringLiteral("B"));
  EXPECT_EQ(records[0].lines, (QStringList{"PROGRAM SEND - Alpha", "REPORT POLL - Financial"}));
  EXPECT_EQ(records[1].lines, QStringList{"REPORT POLL - PLU"});
}

// The listing as the engine lays it out, a page a list of lines.
QList<QStringList> Rendered(const QList<Record>& records, const QString& printedAt = QStringLiteral("03/04/2026 10:30")) {
  TScrptListingReport report(records, printedAt);
  const std::optional<RptPageModel> model = report.Generate();
  QList<QStringList> pages;
  if (model)
    for (const RptPage& page : model->pages) pages << RptTextRenderer::PageLines(page, model->setup);
  return pages;
}

// The record ids a page shows: the lines below the page header with text in the id column.
QStringList IdsOn(const QStringList& page) {
  QStringList ids;
  for (const QString& line : page.mid(2))
    if (!line.left(26).trimmed().isEmpty()) ids << line.left(26).trimmed();
  return ids;
}

TEST_F(ScrptListingTest, AnEmptyListPrintsNothing) { EXPECT_TRUE(Rendered({}).isEmpty()); }

TEST_F(ScrptListingTest, APageShowsItsHeaderThenEachRecordsIdBesideItsLines) {
  const QList<QStringList> pages = Rendered({{QStringLiteral("Nightly"), {"REPORT POLL - Financial", "PROGRAM SEND - Alpha"}, 49},
                                             {QStringLiteral("Morning"), {"REPORT POLL - PLU"}, 32}});
  ASSERT_EQ(pages.size(), 1);
  const QStringList expected{
      "     03/04/2026 10:30              Script Listing                         Page 1",
      "     Script Id             Actions",
      "     Nightly               REPORT POLL - Financial",
      "                           PROGRAM SEND - Alpha",
      "     Morning               REPORT POLL - PLU",
  };
  EXPECT_EQ(pages[0].join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
}

TEST_F(ScrptListingTest, ARecordThatNoLongerFitsStartsTheNextPage) {
  auto record = [](const QString& id, int height) { return Record{id, {id}, height}; };
  struct Case {
    const char* name;
    QList<Record> records;
    QList<int> perPage;
  };
  QList<Record> twenty;
  for (int i = 0; i < 20; ++i) twenty << record(QStringLiteral("S%1").arg(i), 66);
  const QList<Case> cases = {
      {"15 records of 3 lines fill a page", twenty, {15, 5}},
      {"a capped record fills a page of its own", {record("a", 1001), record("b", 32)}, {1, 1}},
      {"a capped record between small ones stands alone", {record("a", 32), record("b", 1001), record("c", 32)}, {1, 1, 1}},
      {"records that fill the room exactly share a page", {record("a", 969), record("b", 32)}, {2}},
      {"one unit more breaks", {record("a", 970), record("b", 32)}, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QList<QStringList> pages = Rendered(c.records);
    QList<int> perPage;
    QStringList ids;
    for (int i = 0; i < pages.size(); ++i) {
      ASSERT_GE(pages[i].size(), 2);
      EXPECT_TRUE(pages[i][0].contains(QStringLiteral("Script Listing")));
      EXPECT_TRUE(pages[i][0].startsWith(QStringLiteral("     03/04/2026 10:30")));
      EXPECT_TRUE(pages[i][0].endsWith(QStringLiteral("Page %1").arg(i + 1)));
      EXPECT_EQ(pages[i][1].simplified(), QStringLiteral("Script Id Actions"));
      perPage << int(IdsOn(pages[i]).size());
      ids << IdsOn(pages[i]);
    }
    EXPECT_EQ(perPage, c.perPage);
    QStringList expectedIds;
    for (const Record& r : c.records) expectedIds << r.scriptId;
    EXPECT_EQ(ids, expectedIds) << "every record once, in order";
  }
}
} // namespace
