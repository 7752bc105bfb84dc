// The inventory report form on stored inventory polls: each item's block with its seven
// figures split into cases and singles by its factor, and the block test under zero skip.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000Invt.h"

#include <QFile>

namespace {
const char* const kFigures[] = {"Actual", "Begin", "Receipt", "Total", "Trans In", "Trans Out", "Waste"};

QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

struct Item {
  const char* name;
  QVariant factor;
  QList<qint64> figures;  // Actual, Begin, Receipt, Total, Trans In, Trans Out, Waste
};

class InventoryForm : public ReportFormFixture {
protected:
  QStringList Lines(const QList<Item>& items, bool zeroSkip) {
    QList<QVariantMap> rows;
    int number = 0;
    for (const Item& item : items) {
      QVariantMap row{{"Memory Number", ++number}, {"Descriptor", QString::fromLatin1(item.name)}, {"FCTR", item.factor},
                      {"Recipe Unit", "LB"},       {"Unit Desc", "CASE"}};
      for (int i = 0; i < 7; ++i) row.insert(QString::fromLatin1(kFigures[i]), item.figures.value(i));
      rows << row;
    }
    const std::optional<RptPageModel> model = Generate(invt, Store(invt, rows), zeroSkip);
    return model ? LinesBelow(*model, QStringLiteral("Polled Reg.")) : QStringList{QStringLiteral("(nothing generated)")};
  }

  tEcrRptCrs3000Invt& invt = AddReport<tEcrRptCrs3000Invt>();
};

// An item's block: its number, descriptor and factor, then the cases and singles lines.
QStringList Block(int number, const char* name, const char* factor, const char* cases, const char* singles) {
  return {QStringLiteral("Number %1 Actual Begin Receipt Total Trans In Trans Out Waste").arg(number),
          QStringLiteral("Descriptor %1 %2").arg(QString::fromLatin1(name), QString::fromLatin1(cases)),
          QStringLiteral("FCTR %1 %2").arg(QString::fromLatin1(factor), QString::fromLatin1(singles)),
          QStringLiteral("Recipe Unit LB"), QStringLiteral("Inv Unit CASE")};
}
} // namespace

TEST_F(InventoryForm, EachFigureSplitsIntoCasesAndSinglesByTheFactor) {
  struct Case {
    const char* name;
    Item item;
    const char* cases;
    const char* singles;
  };
  const Case cases[] = {
      {"27 at 12 a case, and below zero",
       {"FLOUR", 12, {27, -27, 12, 11, 0, 24, -5}},
       "2.00 -2.00 1.00 0.00 0.00 2.00 0.00",
       "3.00 -3.00 0.00 11.00 0.00 0.00 -5.00"},
      {"a factor of 1 gives cases alone", {"EGGS", 1, {27, -3, 0, 1, 2, 3, 4}}, "27.00 -3.00 0.00 1.00 2.00 3.00 4.00",
       "0.00 0.00 0.00 0.00 0.00 0.00 0.00"},
      {"a factor of 0 divides nothing", {"SALT", 0, {27, -27, 5, 6, 7, 8, 9}}, "0.00 0.00 0.00 0.00 0.00 0.00 0.00",
       "0.00 0.00 0.00 0.00 0.00 0.00 0.00"},
      {"a negative factor", {"ODD", -4, {9, -9, 0, 0, 0, 0, 0}}, "-2.00 2.00 0.00 0.00 0.00 0.00 0.00",
       "1.00 -1.00 0.00 0.00 0.00 0.00 0.00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Lines({c.item}, false), Block(1, c.item.name, qPrintable(c.item.factor.toString()), c.cases, c.singles)) << c.name;
}

TEST_F(InventoryForm, ZeroSkipHoldsBackAnItemWhoseSevenFiguresAreAllZero) {
  const QList<Item> items = {{"NONE", 12, {0, 0, 0, 0, 0, 0, 0}}, {"WASTED", 12, {0, 0, 0, 0, 0, 0, 13}},
                             {"NOFCTR", 0, {0, 0, 0, 0, 0, 0, 0}}};
  const char* zeros = "0.00 0.00 0.00 0.00 0.00 0.00 0.00";
  EXPECT_EQ(Lines(items, true), Block(2, "WASTED", "12", "0.00 0.00 0.00 0.00 0.00 0.00 1.00", "0.00 0.00 0.00 0.00 0.00 0.00 1.00"));
  EXPECT_EQ(Lines(items, false), Block(1, "NONE", "12", zeros, zeros) +
                                     Block(2, "WASTED", "12", "0.00 0.00 0.00 0.00 0.00 0.00 1.00",
                                           "0.00 0.00 0.00 0.00 0.00 0.00 1.00") +
                                     Block(3, "NOFCTR", "0", zeros, zeros));
}

TEST_F(InventoryForm, ThePdfIsPortraitLetterWithTheItemBlocks) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model =
      Generate(invt,
               Store(invt, {{{"Memory Number", 1}, {"Descriptor", "FLOUR"}, {"FCTR", 12}, {"Recipe Unit", "LB"},
                             {"Unit Desc", "CASE"}, {"Actual", 27}, {"Begin", -27}, {"Receipt", 0}, {"Total", 0},
                             {"Trans In", 0}, {"Trans Out", 0}, {"Waste", 0}}}),
               false);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Inventory"),
                      Block(1, "FLOUR", "12", "2.00 -2.00 0.00 0.00 0.00 0.00 0.00", "3.00 -3.00 0.00 0.00 0.00 0.00 0.00"));
}

// The register sends Begin, Actual, Receipt, Trans In, Trans Out, Waste, Total; an item the
// inventory program lacks is stored with factor 1, so its figures print as cases.
TEST_F(InventoryForm, AnItemMissingFromTheProgramPrintsItsFiguresAsCases) {
  const QByteArray header = Framed(QByteArray::fromHex("005801030426000C12340742") + QByteArray(24, '\0'), 1);
  QByteArray records;
  for (qint64 figure : {5, 27, 0, 1, 2, 3, -4}) records += SignedBcd(figure, 5);
  for (int i = 0; i < 7; ++i) records += SignedBcd(0, 5);
  QFile file(WorkFile(QStringLiteral("invt.blk"), {header, Framed(records, 2)}));
  invt.ReadBlockFile(file);
  const std::optional<RptPageModel> model = Generate(invt, invt.PollId, true);
  ASSERT_TRUE(model);
  const QStringList lines = LinesBelow(*model, QStringLiteral("Polled Reg."));
  EXPECT_EQ(lines, (QStringList{"Number 1 Actual Begin Receipt Total Trans In Trans Out Waste",
                                "Descriptor Undefined 27.00 5.00 0.00 -4.00 1.00 2.00 3.00",
                                "FCTR 1 0.00 0.00 0.00 0.00 0.00 0.00 0.00", "Recipe Unit UNDF", "Inv Unit UNDF"}));
}
