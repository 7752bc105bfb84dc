// The listing forms on stored polls: the electronic journal and the open orders of the
// three tracks print every row as it is, whatever zero skip says; a long journal runs over
// pages with its column captions on each and the poll header on the first alone.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000Ej.h"
#include "crs3000/tEcrRptCrs3000Lane12.h"
#include "crs3000/tEcrRptCrs3000OpnOrdTrk3.h"

#include <QFile>
#include <QTime>

namespace {
class ListingForms : public ReportFormFixture {
protected:
  QStringList Lines(tEcrRpt& rpt, const QList<QVariantMap>& rows, bool zeroSkip, const QString& caption) {
    const std::optional<RptPageModel> model = Generate(rpt, Store(rpt, rows), zeroSkip);
    return model ? LinesBelow(*model, caption) : QStringList{QStringLiteral("(nothing generated)")};
  }
  // A journal poll as the register sends it, stored by the journal's decoder: the entries
  // run across blocks of 200 bytes, cut wherever a block ends.
  qint32 Journal(int entries) {
    QByteArray items;
    for (int i = 1; i <= entries; ++i) {
      const QByteArray text = QStringLiteral("ENTRY %1 BURGER      2.50").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
      items += char(text.size() + 2) + QByteArray(1, '\0') + text + QByteArray(2, '\0');
    }
    QList<QByteArray> blocks{Framed(QByteArray::fromHex("005801030426000C12340742") + QByteArray(24, '\0'), 1)};
    for (int at = 0; at < items.size(); at += 200) blocks << Framed(items.mid(at, 200), int(blocks.size()) + 1);
    QFile file(WorkFile(QStringLiteral("journal%1.blk").arg(++journals), blocks));
    ej.ReadBlockFile(file);
    return ej.PollId;
  }
  int journals = 0;

  tEcrRptCrs3000Ej& ej = AddReport<tEcrRptCrs3000Ej>();
  tEcrRptCrs3000OpnOrdTrk3& track3 = AddReport<tEcrRptCrs3000OpnOrdTrk3>();
};

// A track 1 or 2 record as the register sends it (ROM version 4 when the tracking number
// is 8 characters wide): tracking number, order, cashier, time HHMM, balance in cents.
QByteArray TrackRecord(const QByteArray& tracking, int width, const char* order, const char* time, const char* balance) {
  auto text = [](const QByteArray& t, int w) { return t + QByteArray(w - t.size(), '\0'); };
  return text(tracking, width) + QByteArray::fromHex(order) + text("PAT", 12) + QByteArray::fromHex(time) +
         QByteArray::fromHex(balance);
}

QVariantMap Order12(int memory, const char* tracking, int order, const char* cashier, QTime time, double balance) {
  return {{"Memory Number", memory}, {"Tracking Number", QString::fromLatin1(tracking)}, {"Order", order},
          {"Cashier", QString::fromLatin1(cashier)}, {"Time", time}, {"Balance", balance}};
}
} // namespace

TEST_F(ListingForms, TheOpenOrdersOfTracksOneAndTwoPrintEveryOrderInEveryRomVersion) {
  tEcrRpt* reports[] = {&AddReport<tEcrRptCrs3000OpnOrdTrk1>(), &AddReport<tEcrRptCrs3000OpnOrdTrk1V4>(),
                        &AddReport<tEcrRptCrs3000OpnOrdTrk2>(), &AddReport<tEcrRptCrs3000OpnOrdTrk2V4>()};
  const QList<QVariantMap> rows = {Order12(1, "A100", 12, "MARY", QTime(14, 5, 9), 23.5),
                                   Order12(2, "", 13, "JOE", QTime(0, 0, 0), 0),
                                   Order12(3, "B7", 14, "JOE", QTime(9, 30, 0), -1.25)};
  const QStringList expected = {"A100 12 MARY 2:05:09 PM $23.50", "13 JOE 12:00:00 AM $.00", "B7 14 JOE 9:30:00 AM -$1.25"};
  for (tEcrRpt* rpt : reports)
    for (bool zeroSkip : {false, true})
      EXPECT_EQ(Lines(*rpt, rows, zeroSkip, QStringLiteral("Track Number")), expected)
          << rpt->ClassName().toStdString() << (zeroSkip ? " with zero skip" : "");
}

TEST_F(ListingForms, TheOpenOrdersOfTrackThreeShowTableBeforeCheck) {
  const QList<QVariantMap> rows = {
      {{"Memory Number", 1}, {"Check", 501}, {"Table", 12}, {"Cashier", "ANN"}, {"Time", QTime(18, 0, 0)}, {"Balance", 1234.5}},
      {{"Memory Number", 2}, {"Check", QVariant()}, {"Table", QVariant()}, {"Cashier", "ANN"}, {"Time", QTime(18, 1, 0)}, {"Balance", 0.0}}};
  for (bool zeroSkip : {false, true})
    EXPECT_EQ(Lines(track3, rows, zeroSkip, QStringLiteral("Memory Number")),
              (QStringList{"1 12 501 ANN 6:00:00 PM $1,234.50", "2 ANN 6:01:00 PM $.00"}))
        << zeroSkip;
  const std::optional<RptPageModel> model = Generate(track3, Store(track3, rows), false);
  ASSERT_TRUE(model);
  EXPECT_TRUE(PageLines(*model)[0].contains(QStringLiteral("Memory Number Table # Check # Cashier Name Time Balance")));
  EXPECT_TRUE(PageLines(*model)[0][0].contains(QLatin1String("Track Report")));
}

TEST_F(ListingForms, AJournalOfSixHundredEntriesRunsOverPagesWithItsCaptionsOnEach) {
  const std::optional<RptPageModel> model = Generate(ej, Journal(600), true);
  ASSERT_TRUE(model);
  ASSERT_GT(model->PageCount(), 10);
  const QList<QStringList> pages = PageLines(*model);
  int entry = 0;
  for (int p = 0; p < pages.size(); ++p) {
    QStringList lines = pages[p];
    EXPECT_EQ(lines.filter(QStringLiteral("Electronic Journal")).size(), p == 0 ? 1 : 0) << "page " << p + 1;
    EXPECT_EQ(lines.filter(QStringLiteral("Machine ID:")).size(), p == 0 ? 1 : 0) << "page " << p + 1;
    const qsizetype captions = lines.indexOf(QStringLiteral("Line Number Journal Entry"));
    ASSERT_GE(captions, 0) << "page " << p + 1;
    for (const QString& line : lines.mid(captions + 1)) {
      ++entry;
      EXPECT_EQ(line, QStringLiteral("%1 ENTRY %2 BURGER 2.50").arg(entry).arg(entry, 3, 10, QLatin1Char('0')));
    }
    if (p < pages.size() - 1) {
      EXPECT_EQ(lines.size() - captions - 1, p == 0 ? 42 : 52) << "a full page " << p + 1;
    }
  }
  EXPECT_EQ(entry, 600);
}

TEST_F(ListingForms, TheJournalPdfIsPortraitLetterWithTheCaptionsOnEveryPage) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model = Generate(ej, Journal(600), false);
  ASSERT_TRUE(model);
  EXPECT_EQ(Overflowing(*model), "");
  const Pdf pdf = ReadBackPdf(*model);
  EXPECT_EQ(pdf.pageSize, QStringLiteral("612 x 792 pts (letter)"));
  ASSERT_EQ(pdf.pages.size(), model->PageCount());
  for (int p = 0; p < pdf.pages.size(); ++p) {
    EXPECT_TRUE(pdf.pages[p].contains(QStringLiteral("Line Number Journal Entry"))) << "page " << p + 1;
    EXPECT_EQ(pdf.pages[p].filter(QStringLiteral("Electronic Journal")).size(), p == 0 ? 1 : 0) << "page " << p + 1;
  }
  EXPECT_TRUE(pdf.pages[0].contains(QStringLiteral("1 ENTRY 001 BURGER 2.50"))) << pdf.pages[0].join(u'\n').toStdString();
  EXPECT_TRUE(pdf.pages.last().contains(QStringLiteral("600 ENTRY 600 BURGER 2.50")));
}

TEST_F(ListingForms, TheOpenOrderPdfsShowTheirCaptionsAndOrders) {
  SKIP_WITHOUT_PDF_TOOLS();
  tEcrRptCrs3000OpnOrdTrk1& track1 = AddReport<tEcrRptCrs3000OpnOrdTrk1>();
  const std::optional<RptPageModel> ones = Generate(track1, Store(track1, {Order12(1, "A100", 12, "MARY", QTime(14, 5, 9), 0)}), true);
  ASSERT_TRUE(ones);
  EXPECT_EQ(Overflowing(*ones), "");
  const Pdf one = ReadBackPdf(*ones);
  EXPECT_EQ(one.pageSize, QStringLiteral("612 x 792 pts (letter)"));
  ASSERT_EQ(one.pages.size(), 1);
  EXPECT_TRUE(one.pages[0].contains(QStringLiteral("Track Number Order Number Cashier Name Time Balance")));
  EXPECT_TRUE(one.pages[0].contains(QStringLiteral("A100 12 MARY 2:05:09 PM $.00"))) << one.pages[0].join(u'\n').toStdString();
  const std::optional<RptPageModel> threes = Generate(
      track3, Store(track3, {{{"Memory Number", 4}, {"Check", 77}, {"Table", 3}, {"Cashier", "ANN"}, {"Time", QTime(8, 0)}, {"Balance", 9.99}}}),
      false);
  ASSERT_TRUE(threes);
  EXPECT_EQ(Overflowing(*threes), "");
  const Pdf three = ReadBackPdf(*threes);
  ASSERT_EQ(three.pages.size(), 1);
  EXPECT_TRUE(three.pages[0].contains(QStringLiteral("Memory Number Table # Check # Cashier Name Time Balance")))
      << three.pages[0].join(u'\n').toStdString();
  EXPECT_TRUE(three.pages[0].contains(QStringLiteral("4 3 77 ANN 8:00:00 AM $9.99"))) << three.pages[0].join(u'\n').toStdString();
}

TEST_F(ListingForms, OpenOrdersStoredFromTheRegistersBlocksPrintWithAZeroBalance) {
  const QByteArray header = Framed(QByteArray::fromHex("005801030426000C12340742") + QByteArray(24, '\0'), 1);
  struct Case {
    tEcrRpt* report;
    int width;
  };
  const Case cases[] = {{&AddReport<tEcrRptCrs3000OpnOrdTrk1>(), 7}, {&AddReport<tEcrRptCrs3000OpnOrdTrk2V4>(), 8}};
  int file = 0;
  for (const Case& c : cases) {
    const QByteArray records = TrackRecord("A100", c.width, "0012", "1345", "00000000125C") +
                               TrackRecord("B7", c.width, "0013", "0905", "00000000000C");
    QFile blocks(WorkFile(QStringLiteral("track%1.blk").arg(++file), {header, Framed(records, 2)}));
    c.report->ReadBlockFile(blocks);
    const std::optional<RptPageModel> model = Generate(*c.report, c.report->PollId, true);
    ASSERT_TRUE(model) << c.report->ClassName().toStdString();
    EXPECT_EQ(LinesBelow(*model, QStringLiteral("Track Number")),
              (QStringList{"A100 12 PAT 1:45:00 PM $1.25", "B7 13 PAT 9:05:00 AM $.00"}))
        << c.report->ClassName().toStdString();
  }
}
