// The financial report form on polls that the financial decoders stored from synthesised
// register answers: the sections come from the polls right after the head and of their own
// class, a section that is missing prints as empty (never another poll's figures), and
// every generation prints the same.
#include "ReportFormFixture.h"

#include "crs-synth/Synthesiser.h"
#include "crs3000/tEcrRptCrs3000Financial.h"
#include "model/ZeroSkip.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TTable.h"
#include "reports/RptPollRun.h"
#include "reports/TQrEcrRptCrs3000Financial.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QFile>
#include <QScopedValueRollback>

namespace {
class FinancialForm : public ReportFormFixture {
protected:
  // A financial poll decoded from a synthesised answer with these values; its head's Poll Id.
  qint32 StoreFinancial(const QList<SynthOverride>& values, quint64 seed) {
    SynthRequest request;
    request.report = QStringLiteral("financial");
    request.seed = seed;
    request.overrides = values;
    const QString path = dir.filePath(QStringLiteral("financial%1.ecr").arg(seed));
    Synthesiser::WriteWorkFile(Synthesiser::Synthesise(request), path);
    QFile file(path);
    financial.ReadBlockFile(file);
    financial.AddHeadRow(financial.PollId);
    return financial.PollId;
  }

  static void DeletePoll(qint32 pollId) {
    TTable polls;
    polls.SetDatabaseName(QString::fromLatin1(EngineConfig::kDataAlias));
    polls.SetTableName(QStringLiteral("AllPolls"));
    polls.Open();
    ASSERT_TRUE(polls.FindKey({pollId}));
    polls.Delete();
  }

  // The lines between a section's heading and the next heading (or the end).
  static QStringList Section(const QStringList& lines, const QString& heading, const QString& next) {
    const qsizetype from = lines.indexOf(heading);
    const qsizetype to = next.isEmpty() ? lines.size() : lines.indexOf(next);
    if (from < 0 || to < from) return {QStringLiteral("(no heading %1)").arg(heading)};
    return lines.mid(from + 1, to - from - 1);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    const std::optional<RptPageModel> model = Generate(financial, poll, zeroSkip);
    if (!model) return {QStringLiteral("(nothing printed)")};
    QStringList lines;
    for (const QStringList& page : PageLines(*model)) lines << page;
    return lines;
  }

  tEcrRptCrs3000Financial& financial = AddReport<tEcrRptCrs3000Financial>();
};

SynthOverride Set(const char* where, const char* column, const char* value) {
  return {QString::fromLatin1(where), QString::fromLatin1(column), QString::fromLatin1(value)};
}

QList<SynthOverride> PollValues(const char* items, const char* customers, const char* voids) {
  return {Set("Sales", "Item Sales Count", items),       Set("Sales", "Item Sales Total", "70.00"),
          Set("Memo", "Customers Count", customers),     Set("Memo", "NonTax Sls Total", "10.00"),
          Set("Memo", "Tr1 AvgTime Count", "7384"),      Set("Memo", "Track 1 RE Count", "2"),
          Set("System Balancing", "Void Count", voids),  Set("System Balancing", "Void Total", "0.00")};
}
} // namespace

TEST_F(FinancialForm, EachPollPrintsItsOwnSectionsAndAMissingMemoPrintsEmpty) {
  const qint32 full = StoreFinancial(PollValues("7", "4", "3"), 5);
  const qint32 broken = StoreFinancial(PollValues("5", "9", "6"), 6);
  DeletePoll(broken + 3);  // its memo section never made it

  const QStringList fullLines = Lines(full, true);
  EXPECT_TRUE(fullLines.contains(QStringLiteral("Item Sales 7 $70.00 $10.00"))) << fullLines.join(u'\n').toStdString();
  const QStringList memo = Section(fullLines, QStringLiteral("Memo"), QStringLiteral("Sys Bal"));
  EXPECT_TRUE(memo.contains(QStringLiteral("Number of Customers Count 4"))) << memo.join(u'\n').toStdString();
  EXPECT_TRUE(memo.contains(QStringLiteral("Track 01 Total Time Count 1:01:32"))) << memo.join(u'\n').toStdString();
  EXPECT_TRUE(memo.contains(QStringLiteral("Avg $/Cust $2.50"))) << memo.join(u'\n').toStdString();
  EXPECT_TRUE(Section(fullLines, QStringLiteral("Sys Bal"), QStringLiteral("Table Service")).contains(QStringLiteral("Void 3 $.00 $0.00")));

  const QStringList brokenLines = Lines(broken, true);
  EXPECT_TRUE(brokenLines.contains(QStringLiteral("Item Sales 5 $70.00 $14.00"))) << brokenLines.join(u'\n').toStdString();
  EXPECT_EQ(Section(brokenLines, QStringLiteral("Memo"), QStringLiteral("Sys Bal")), QStringList());
  EXPECT_TRUE(Section(brokenLines, QStringLiteral("Sys Bal"), QStringLiteral("Table Service")).contains(QStringLiteral("Void 6 $.00 $0.00")))
      << brokenLines.join(u'\n').toStdString();
  // Without zero skip the missing memo's lines print with nothing in their columns.
  const QStringList emptyMemo = Section(Lines(broken, false), QStringLiteral("Memo"), QStringLiteral("Sys Bal"));
  EXPECT_EQ(emptyMemo.size(), 24);
  EXPECT_EQ(emptyMemo.value(0), QStringLiteral("Number of Customers Count"));
  EXPECT_TRUE(emptyMemo.contains(QStringLiteral("Track 01 Total Time Count 0:00:00")));
}

TEST_F(FinancialForm, WithoutZeroSkipEveryLineAndHeadingPrintsAndAGenerationIsRepeatable) {
  const qint32 poll = StoreFinancial(PollValues("7", "4", "3"), 5);
  const QScopedValueRollback skip(ZeroSkip, false);
  RptPollRun run(financial, poll);
  const std::optional<RptPageModel> first = run.Generate();
  ASSERT_TRUE(first);
  int chainBands = 0;
  for (const QString& band : first->PrintedBands())
    chainBands += band.startsWith(QLatin1String("ChildBand")) || band == QLatin1String("DetailBand1");
  EXPECT_EQ(chainBands, 157 + 5);
  // The header still shows the head poll, and a second generation prints the same pages.
  EXPECT_EQ(run.Form().PollField(QStringLiteral("Poll Id")).ToInteger(), poll);
  const std::optional<RptPageModel> second = run.Generate();
  ASSERT_TRUE(second);
  EXPECT_EQ(PageLines(*first).mid(0).last(), PageLines(*second).last());
  EXPECT_EQ(PageLines(*first).size(), PageLines(*second).size());
}

TEST_F(FinancialForm, AnAverageOfZeroIsCurrencyTextBesideAMaskedZeroAmount) {
  const qint32 poll = StoreFinancial({Set("Sales", "Net Coupon Count", "0"), Set("Sales", "Net Coupon Total", "0.00")}, 7);
  EXPECT_TRUE(Lines(poll, false).contains(QStringLiteral("Net Coupon 0 $.00 $0.00")));
}

// The poll where a head expects its memo is taken only when it is a memo, even with a memo
// row under its Poll Id.
TEST_F(FinancialForm, ASectionOfAnotherClassIsNotTaken) {
  const qint32 poll = StoreFinancial(PollValues("7", "4", "3"), 5);
  TTable polls;
  polls.SetDatabaseName(QString::fromLatin1(EngineConfig::kDataAlias));
  polls.SetTableName(QStringLiteral("AllPolls"));
  polls.Open();
  ASSERT_TRUE(polls.FindKey({poll + 3}));
  polls.Edit();
  polls.FieldByName(QStringLiteral("EcrRptClass")).SetAsString(QStringLiteral("tEcrRptCrs3000Coupon"));
  polls.Post();
  EXPECT_EQ(Section(Lines(poll, true), QStringLiteral("Memo"), QStringLiteral("Sys Bal")), QStringList());
}

TEST_F(FinancialForm, ThePdfHoldsTheSectionsOnLetterPages) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model = Generate(financial, StoreFinancial(PollValues("7", "4", "3"), 5), false);
  ASSERT_TRUE(model);
  EXPECT_EQ(Overflowing(*model), "");
  const Pdf pdf = ReadBackPdf(*model);
  EXPECT_EQ(pdf.pageSize, QStringLiteral("612 x 792 pts (letter)"));
  QStringList all;
  for (const QStringList& page : pdf.pages) all << page;
  for (const char* line : {"Description Count Amount Average", "Item Sales 7 $70.00 $10.00", "Memo", "Avg $/Cust $2.50",
                           "Track 01 Total Time Count 1:01:32", "Table Service"})
    EXPECT_TRUE(all.contains(QString::fromLatin1(line))) << line << "\n" << all.join(u'\n').toStdString();
}

// "Drommet" on: the roll, one long page of line blocks, each with its own headings; no
// averages, the amount per customer a caption alone, the track times without leading zeros.
TEST_F(FinancialForm, TheRollSettingPrintsLineBlocksOnOneLongPage) {
  const qint32 poll = StoreFinancial(PollValues("7", "4", "3"), 5);
  EXPECT_EQ(financial.ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000Financial"));
  OpenSettingsFile(QStringLiteral("Drommet"))->WriteBoolean(QStringLiteral("Value"), true);
  ASSERT_EQ(financial.ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000Financial2"));
  const std::optional<RptPageModel> all = Generate(financial, poll, false);
  ASSERT_TRUE(all);
  EXPECT_EQ(all->pages.size(), 1);
  EXPECT_EQ(Overflowing(*all), "");

  const QStringList lines = Lines(poll, true);
  const qsizetype item = lines.indexOf(QStringLiteral("Item Sales 7"));
  ASSERT_GE(item, 1) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines.mid(item - 1, 4), (QStringList{"Description Count", "Item Sales 7", "Amount", "$70.00"}));
  const QStringList memo = Section(lines, QStringLiteral("Memo"), QStringLiteral("Sys Bal"));
  EXPECT_TRUE(memo.contains(QStringLiteral("Track 01 Total Time Count 1:1:32"))) << memo.join(u'\n').toStdString();
  EXPECT_TRUE(memo.contains(QStringLiteral("Avg $/Cust"))) << memo.join(u'\n').toStdString();
  // No average of the item sales ($10.00).
  EXPECT_FALSE(Section(lines, QStringLiteral("Sales"), QStringLiteral("Receipts")).join(u'\n').contains(QLatin1String("$10.00")));
}

TEST_F(FinancialForm, TheRollPdfIsOneNarrowLongPage) {
  SKIP_WITHOUT_PDF_TOOLS();
  const qint32 poll = StoreFinancial(PollValues("7", "4", "3"), 5);
  OpenSettingsFile(QStringLiteral("Drommet"))->WriteBoolean(QStringLiteral("Value"), true);
  const std::optional<RptPageModel> model = Generate(financial, poll, true);
  ASSERT_TRUE(model);
  const Pdf pdf = ReadBackPdf(*model);
  EXPECT_EQ(pdf.pageSize, QStringLiteral("278 x 18000 pts"));
  ASSERT_EQ(pdf.pages.size(), 1);
  for (const char* line : {"Financial", "Z Counter: 457", "Sales", "Item Sales 7", "$70.00", "Table Service"})
    EXPECT_TRUE(pdf.pages[0].contains(QString::fromLatin1(line))) << line << "\n" << pdf.pages[0].join(u'\n').toStdString();
}
