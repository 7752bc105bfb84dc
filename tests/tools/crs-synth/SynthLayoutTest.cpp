// The record layouts: sizes, column counts and the places of the fields the record
// descriptions pin down.
#include "crs-synth/SynthFinancialLayouts.h"
#include "crs-synth/SynthLayouts.h"

#include <gtest/gtest.h>

namespace L = SynthFinancialLayouts;
using V = SynthFinancialLayout;

namespace {
int Totals(const QStringList& columns) {
  int n = 0;
  for (const QString& c : columns) n += c.endsWith(QLatin1String(" Total")) ? 1 : 0;
  return n;
}

struct SizeCase {
  const char* name;
  const SynthTotaliserLayout& layout;
  int size;
  int columns;
  int totals;
};

TEST(SynthLayouts, SizesAndColumnCounts) {
  const SizeCase cases[] = {
      {"coupon", SynthLayouts::Coupon(), 11, 2, 0},
      {"cashier", SynthLayouts::Cashier(), 763, 151, -1},
      {"cashier 3.03", SynthLayouts::Cashier303(), 778, 153, -1},
      {"sales", L::Sales(), 409, 87, 48},
      {"receipts", L::Receipts(), 435, 91, 48},
      {"memo", L::Memo(), 168, 36, 18},
      {"system balancing", L::SystemBalancing(), 125, 26, 15},
      {"table service 2.24", L::TableService(V::Fncl224), 153, 29, 14},
      {"table service", L::TableService(V::Financial), 159, 30, 15},
      {"table service 3.03", L::TableService(V::Fncl303), 168, 32, 16},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.layout.RecordSize(), c.size);
    EXPECT_EQ(c.layout.Columns().size(), c.columns);
    if (c.totals >= 0) {
      EXPECT_EQ(Totals(c.layout.Columns()), c.totals);
    }
  }
  EXPECT_EQ(L::TableServiceColumns().size(), 32);
}

TEST(SynthLayouts, CombinedRecordSizes) {
  for (const auto& [variant, size] : {std::pair{V::Fncl224, 1290}, {V::Financial, 1296}, {V::Fncl303, 1305}}) {
    int total = 0;
    for (const SynthFinancialSection& section : L::Sections(variant)) total += section.layout->RecordSize();
    EXPECT_EQ(total, size);
  }
}

struct OffsetCase {
  const SynthTotaliserLayout& layout;
  const char* column;
  int offset;
};

TEST(SynthLayouts, FieldsLieWhereTheRecordsPutThem) {
  const OffsetCase cases[] = {
      {SynthLayouts::Coupon(), "Count", 6},
      {SynthLayouts::Cashier(), "Cash Drawer Declare", 205},
      {SynthLayouts::Cashier(), "Foreign Currency 5 Total", 271},
      {SynthLayouts::Cashier(), "Major Group 01 Total", 286},
      {SynthLayouts::Cashier(), "Major Group 20 Count", 501},
      {SynthLayouts::Cashier(), "Major Group Total", 506},
      {SynthLayouts::Cashier(), "Number of Guest Count", 517},
      {SynthLayouts::Cashier(), "Charge 01 Total", 631},
      {SynthLayouts::Cashier(), "Charge 10 Total", 712},
      {SynthLayouts::Cashier(), "Cash Deposit Total", 736},
      {SynthLayouts::Cashier(), "GC Change Total", 754},
      {SynthLayouts::Cashier303(), "Debit Card Count", 769},
      {L::Sales(), "AItmDisc10 Total", 101},
      {L::Sales(), "AItmDisc10 Count", 107},
      {L::Sales(), "Tax 4 Total", 295},
      {L::Sales(), "GS Grand Total", 403},
      {L::Receipts(), "A GC Redeem Total", 198},
      {L::Receipts(), "Gross Sales Total", 207},
      {L::Receipts(), "Paid Out 8 Total", 321},
      {L::Receipts(), "Paid Out 8 Count", 327},
      {L::Receipts(), "Frgn Curr 1 Total", 381},
      {L::Receipts(), "Frgn Curr 1 Count", 387},
      {L::Memo(), "Number Total", 3},
      {L::Memo(), "Tr1 AvgTime Count", 117},
      {L::Memo(), "Tr2 AvgTime Count", 141},
      {L::Memo(), "Cpn Trans Count", 165},
      {L::SystemBalancing(), "PLU Count", 75},
      {L::SystemBalancing(), "Training Gr Count", 122},
      {L::TableService(V::Fncl303), "Avg Time Count", 114},
      {L::TableService(V::Fncl303), "GC Change Total", 153},
      {L::TableService(V::Fncl303), "Debit Card Count", 165},
  };
  for (const OffsetCase& c : cases) EXPECT_EQ(c.layout.OffsetOf(QString::fromLatin1(c.column)), c.offset) << c.column;
}

TEST(SynthLayouts, CountColumnsComeBeforeTotalColumns) {
  const QStringList cashier = SynthLayouts::Cashier().Columns();
  EXPECT_EQ(cashier.mid(0, 3), QStringList({"Item Sales Count", "Item Sales Total", "PLU Item Count"}));
  EXPECT_EQ(cashier.mid(cashier.size() - 3),
            QStringList({"Deposit Unused Count", "Deposit Unused Total", "GC Change Total"}));
  EXPECT_TRUE(cashier.contains(QStringLiteral("Cash Drawer Declare")));
  EXPECT_FALSE(cashier.contains(QStringLiteral("GC Change Count")));
  EXPECT_EQ(SynthLayouts::Cashier303().Columns().mid(151), QStringList({"Debit Card Count", "Debit Card Total"}));
  EXPECT_EQ(SynthLayouts::Coupon().Columns(), QStringList({"Total", "Count"}));
  EXPECT_EQ(L::TableServiceColumns().mid(29), QStringList({"GC Change Total", "Debit Card Count", "Debit Card Total"}));
  EXPECT_EQ(L::Memo().Columns().mid(0, 3), QStringList({"Customers Count", "Number Count", "Number Total"}));
}
} // namespace
