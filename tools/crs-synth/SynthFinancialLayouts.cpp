#include "crs-synth/SynthFinancialLayouts.h"

#include "crs-synth/SynthLayoutRows.h"

namespace SynthFinancialLayouts {

using namespace SynthLayoutRows;

const SynthTotaliserLayout& Sales() {
  static const SynthTotaliserLayout layout({
      One("Item Sales", 6, 5),     One("Net Coupon", 6, 3),     Run("AItmDisc", 10, 2, 6, 3),
      One("PLU Item", 6, 5),       One("Adjust PLU", 6, 0),     One("Ven Coupon", 6, 3),
      Run("BItmDisc", 10, 2, 6, 3), Run("St Disc", 5, 1, 6, 3), One("Net Sales", 6, 0),
      Run("Tax ", 4, 1, 6, 0),     Run("St Add On ", 5, 1, 6, 3), Run("GC Sold ", 3, 1, 6, 3),
      One("Promo Item", 6, 3),     One("PrmoItmSale", 6, 3),    One("Gross Sales", 6, 0),
      One("Ystrday Gr", 6, 0),     One("GS Grand", 6, 0),
  });
  return layout;
}

const SynthTotaliserLayout& Receipts() {
  static const SynthTotaliserLayout layout({
      Run("Cash ", 5, 1, 6, 3),       Run("Check ", 5, 1, 6, 3),     Run("Charge ", 10, 2, 6, 3),
      Gap(18),                        One("A GC Redeem", 6, 3),      One("Gross Sales", 6, 0),
      Run("Recd Acct ", 5, 1, 6, 3),  Run("Paid Out ", 8, 1, 6, 3),  One("CA In Dwr", 6, 3),
      One("CA Dec", 6, 0),            One("CA Ovr Shrt", 6, 0),      One("Chk In Dwr", 6, 3),
      One("Chk Dec", 6, 0),           One("Chk Ovr Shrt", 6, 0),     One("Chg In Dwr", 6, 3),
      Run("Frgn Curr ", 5, 1, 6, 3),  One("B GC Redeem", 6, 3),
  });
  return layout;
}

const SynthTotaliserLayout& Memo() {
  static const SynthTotaliserLayout layout({
      One("Customers", 0, 3),    One("Number", 6, 3, 1),     One("Guests", 6, 3, 1),
      One("No Sale", 0, 3),      One("No Tax Sls", 6, 3),    One("NonTax Sls", 6, 0),
      Run("Sales Tax ", 4, 1, 6, 0), One("Eat In Sls", 6, 3), One("TakeOut Sls", 6, 3),
      One("Track1 Sls", 6, 3),   One("Track2 Sls", 6, 3),    One("Track 1 ST", 6, 3),
      One("Track 1 RE", 6, 3),   One("Tr1 AvgTime", 0, 6),   One("Track 2 ST", 6, 3),
      One("Track 2 RE", 6, 3),   One("Tr2 AvgTime", 0, 6),   One("Waste", 6, 3),
      One("Pr Change", 0, 3),    One("Cpn Trans", 6, 3),
  });
  return layout;
}

const SynthTotaliserLayout& SystemBalancing() {
  static const SynthTotaliserLayout layout({
      One("Gross Sales", 6, 0),  One("Coupon", 6, 3),       One("Discount", 6, 3),
      One("Refund", 6, 3),       One("Error Cor", 6, 3),    One("Void", 6, 3),
      One("Cancel", 6, 3),       One("Trans Void", 6, 3),   One("PLU", 6, 5),
      One("Negative Tax", 6, 3), One("Neg Sales", 6, 3),    One("Daily Gross", 6, 0),
      One("YesterdayGr", 6, 0),  One("NonReset Gr", 6, 0),  One("Training Gr", 6, 3),
  });
  return layout;
}

namespace {
QList<SynthTotaliserRun> TableServiceRows(SynthFinancialLayout variant) {
  QList<SynthTotaliserRun> rows{
      One("Guest", 0, 6),        One("Begin Check", 0, 3),  One("Service", 6, 3),
      One("Transfer In", 6, 3),  One("Transfer Out", 6, 3), One("Paid Check", 6, 3),
      One("Est Tips", 6, 0),     One("Gr Chg Tips", 6, 3),  One("CC Tips Fee", 6, 0),
      One("NetChg Tips", 6, 0),  One("Cash Tips", 6, 3),    One("All Tips", 6, 0),
      One("ChgTips PO", 6, 3),   Gap(18),                   One("Avg Time", 0, 6),
      One("Round Acc", 6, 0),    One("Daily Edit", 0, 3),   One("Weekly Edit", 0, 3),
      One("Period Edit", 0, 3),  One("Cash Dep", 6, 3),     One("Dep Unused", 6, 3),
  };
  if (variant != SynthFinancialLayout::Fncl224) rows << One("GC Change", 6, 0);
  if (variant == SynthFinancialLayout::Fncl303) rows << One("Debit Card", 6, 3);
  return rows;
}
} // namespace

const SynthTotaliserLayout& TableService(SynthFinancialLayout variant) {
  static const SynthTotaliserLayout fncl224(TableServiceRows(SynthFinancialLayout::Fncl224));
  static const SynthTotaliserLayout financial(TableServiceRows(SynthFinancialLayout::Financial));
  static const SynthTotaliserLayout fncl303(TableServiceRows(SynthFinancialLayout::Fncl303));
  switch (variant) {
  case SynthFinancialLayout::Fncl224:
    return fncl224;
  case SynthFinancialLayout::Financial:
    return financial;
  case SynthFinancialLayout::Fncl303:
    break;
  }
  return fncl303;
}

QStringList TableServiceColumns() { return TableService(SynthFinancialLayout::Fncl303).Columns(); }

} // namespace SynthFinancialLayouts
