// The special item stock report form on stored polls: a line an item, held back under zero
// skip only when its stock is 0 or empty.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000SpcItmStk.h"

#include <QFile>

namespace {
class SpecialItemStockForm : public ReportFormFixture {
protected:
  qint32 Store(const QList<QVariant>& stocks) {
    QList<QVariantMap> rows;
    int memory = 0;
    for (const QVariant& stock : stocks) {
      ++memory;
      rows << QVariantMap{{"Memory Number", memory}, {"PLU Number", 4000 + memory},
                          {"Descriptor", QStringLiteral("ITEM %1").arg(memory)}, {"Stock", stock}};
    }
    return ReportFormFixture::Store(stock, rows);
  }

  tEcrRptCrs3000SpcItmStk& stock = AddReport<tEcrRptCrs3000SpcItmStk>();
};
} // namespace

TEST_F(SpecialItemStockForm, ZeroSkipHoldsBackOnlyTheItemsWithoutStock) {
  struct Case {
    const char* name;
    bool zeroSkip;
    QStringList lines;
  };
  const Case cases[] = {
      {"every memory without zero skip, empty ones too", false,
       {"1 4001 ITEM 1 12", "2 4002 ITEM 2 0", "3 4003 ITEM 3 -4", "4 4004 ITEM 4"}},
      {"a stock sold below zero prints under zero skip", true, {"1 4001 ITEM 1 12", "3 4003 ITEM 3 -4"}},
  };
  const qint32 poll = Store({12, 0, -4, QVariant()});
  for (const Case& c : cases) {
    const std::optional<RptPageModel> model = Generate(stock, poll, c.zeroSkip);
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(LinesBelow(*model, QStringLiteral("Memory # PLU # Descriptor Stock")), c.lines) << c.name;
  }
}

TEST_F(SpecialItemStockForm, AllHeldBackLeavesTheHeaderAndCaptionsAlone) {
  const std::optional<RptPageModel> model = Generate(stock, Store({0, 0}), true);
  ASSERT_TRUE(model);
  EXPECT_EQ(LinesBelow(*model, QStringLiteral("Memory # PLU # Descriptor Stock")), QStringList());
  EXPECT_TRUE(PageLines(*model)[0][0].contains(QLatin1String("Special Item Stock")));
}

TEST_F(SpecialItemStockForm, ThePdfIsPortraitLetterWithTheItems) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model = Generate(stock, Store({12, -4}), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Special Item Stock"), {"Memory # PLU # Descriptor Stock", "1 4001 ITEM 1 12", "2 4002 ITEM 2 -4"});
}

// The register sends a stock a special item in signed packed BCD; without the stock and PLU
// programs the decoder stores PLU 0 and "Undefined".
TEST_F(SpecialItemStockForm, APollStoredFromTheRegistersBlocksPrintsItsStocks) {
  const QByteArray header = Framed(QByteArray::fromHex("005801030426000C12340742") + QByteArray(24, '\0'), 1);
  QFile file(WorkFile(QStringLiteral("stock.blk"), {header, Framed(QByteArray::fromHex("00012C00000C00004D"), 2)}));
  stock.ReadBlockFile(file);
  const std::optional<RptPageModel> model = Generate(stock, stock.PollId, true);
  ASSERT_TRUE(model);
  EXPECT_EQ(LinesBelow(*model, QStringLiteral("Memory # PLU # Descriptor Stock")), (QStringList{"1 0 Undefined 12", "3 0 Undefined -4"}));
}
