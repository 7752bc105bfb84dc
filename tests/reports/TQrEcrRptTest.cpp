// The bases over several pages, and the rows a form reads: the base's header repeats on
// every page while the CRS 3000 header prints once; a poll reads only its own rows; a
// poll without rows prints nothing.
#include "PollFixture.h"

#include "platform/engine/EngineConfig.h"
#include "reports/RptTableRows.h"
#include "reports/engine/RptTextRenderer.h"

namespace {
using ReportBases = PollFixture;

// The detail bands printed and the pages each header went on.
struct BaseRun {
  int pages = 0;
  QList<int> headerPages;
  QStringList values;
};

BaseRun Generate(TQrEcrRpt& form, tEcrRpt& report, qint32 pollId) {
  RptTableRows header(QString::fromLatin1(EngineConfig::kDataAlias), QStringLiteral("AllPolls"), pollId);
  RptTableRows rows(report.GetDataBaseName(), report.GetTableName(), pollId);
  form.SetPoll(&header, &rows);
  form.BindPrograms(report);
  BaseRun run;
  const std::optional<RptPageModel> model = form.Generate();
  if (!model) return run;
  run.pages = model->PageCount();
  for (const RptTraceEntry& entry : model->trace)
    if (entry.band == QLatin1String("TitleBand1") && entry.printed) run.headerPages.append(entry.page);
  for (const RptPage& page : model->pages)
    for (const RptItem& item : page.items)
      if (item.element == QLatin1String("Value")) run.values.append(item.text);
  return run;
}

class TQrPlainTest : public TQrEcrRpt {
public:
  TQrPlainTest() : TQrEcrRpt(QStringLiteral("TQrPlainTest")) {
    DetailBand1().AddDataText(QStringLiteral("Value"), {300, 0, 120, 16}, QString(), QStringLiteral("Value"));
  }
};
} // namespace

TEST_F(ReportBases, TheBaseHeaderRepeatsOnEveryPageAndTheCrs3000HeaderPrintsOnce) {
  QList<qint64> values;
  for (int i = 1; i <= 60; ++i) values.append(i * 100);
  const qint32 poll = StorePoll(PollHeader(), values);
  TQrPlainTest plain;
  const BaseRun base = Generate(plain, *report, poll);
  ASSERT_GT(base.pages, 1);
  QList<int> every;
  for (int page = 1; page <= base.pages; ++page) every.append(page);
  EXPECT_EQ(base.headerPages, every);
  EXPECT_EQ(base.values.size(), 60);
  TQrPollTest crs;
  const BaseRun once = Generate(crs, *report, poll);
  ASSERT_GT(once.pages, 1);
  EXPECT_EQ(once.headerPages, QList<int>{1});
}

TEST_F(ReportBases, APollReadsOnlyItsOwnRowsInKeyOrder) {
  StorePoll(PollHeader(), {100, 200});
  const qint32 second = StorePoll(PollHeader(), {300, 400, 500});
  StorePoll(PollHeader(), {600});
  TQrPlainTest plain;
  EXPECT_EQ(Generate(plain, *report, second).values, (QStringList{"$3.00", "$4.00", "$5.00"}));
}

TEST_F(ReportBases, APollWithoutRowsPrintsNothing) {
  StorePoll(PollHeader(), {100});
  const qint32 empty = StorePoll(PollHeader(), {});
  TQrPlainTest plain;
  EXPECT_EQ(Generate(plain, *report, empty).pages, 0);
  EXPECT_TRUE(Pages(empty).isEmpty());
}

