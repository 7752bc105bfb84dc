#include "crs-synth/SynthLayouts.h"

#include "crs-synth/SynthLayoutRows.h"

namespace SynthLayouts {

namespace {
using namespace SynthLayoutRows;

QList<SynthTotaliserRun> CashierRows() {
  return {One("Item Sales", 6, 5),          One("PLU Item", 6, 5),
          One("Coupon", 6, 3),              One("Discount", 6, 5),
          One("Net Sales", 6, 0),           One("Tax", 6, 0),
          One("Subtotal Percent", 6, 3),    One("Guest Check Sold", 6, 3),
          One("Promotion", 6, 5),           One("Gross Sales", 6, 0),
          One("No Sale", 0, 3),             One("Customers", 0, 3),
          One("Number of Guests", 0, 3),    One("Guests", 0, 3),
          One("Refund", 6, 5),              One("Error Correct", 6, 5),
          One("Void", 6, 5),                One("Cancel", 6, 5),
          One("Transaction Void", 6, 5),    One("Negative Sales", 6, 5),
          One("Waste", 6, 5),               One("Received Account", 6, 3),
          One("Paid Out", 6, 3),            One("Cash Drawer", 6, 3),
          Bare("Cash Drawer Declare", 6, 0), One("Cash Over Short", 6, 0),
          One("Check Drawer", 6, 3),        Bare("Check Drawer Declare", 6, 0),
          One("Check Over Short", 6, 0),    One("Charge Drawer", 6, 3),
          Run("Foreign Currency ", 5, 1, 6, 0), One("Guest Check Redeem", 6, 3),
          Run("Major Group ", 20, 2, 6, 5), One("Major Group", 6, 5),
          One("Number of Guest", 0, 6),     One("Begin Check", 0, 3),
          One("Service", 6, 3),             One("Transfer In", 6, 3),
          One("Transfer Out", 6, 3),        One("Paid Check", 6, 3),
          One("Open Checks", 6, 3),         One("Take Out Sales", 6, 3),
          One("Estimated Tips", 6, 0),      One("Gross Charge Tips", 6, 3),
          One("CC Tips Fee", 6, 0),         One("Net Charge Tips", 6, 0),
          One("Cash Tips", 6, 3),           One("All Tips", 6, 0),
          One("Charge Tips PO", 6, 3),      Run("Charge ", 10, 2, 6, 3),
          One("Round Account", 6, 0),       One("Daily Edit", 0, 3),
          One("Weekly Edit", 0, 3),         One("Period Edit", 0, 3),
          One("Cash Deposit", 6, 3),        One("Deposit Unused", 6, 3),
          TotalOnly("GC Change", 6, 3)};
}
} // namespace

const SynthTotaliserLayout& Coupon() {
  static const SynthTotaliserLayout layout({Bare("Total", 6, 0), Bare("Count", 0, 5)});
  return layout;
}

const SynthTotaliserLayout& Cashier() {
  static const SynthTotaliserLayout layout(CashierRows());
  return layout;
}

const SynthTotaliserLayout& Cashier303() {
  static const SynthTotaliserLayout layout(CashierRows() << One("Debit Card", 6, 3) << Gap(6));
  return layout;
}

const SynthTotaliserLayout& Plu() {
  static const SynthTotaliserLayout layout({Bare("Total", 6, 0), Bare("Count", 0, 5), Bare("Promotion", 0, 5),
                                            Bare("Waste", 0, 5), Bare("Weight", 0, 6), Bare("Promotion Weight", 0, 6),
                                            Bare("Waste Weight", 0, 6)});
  return layout;
}

const SynthTotaliserLayout& Group() {
  static const SynthTotaliserLayout layout({Bare("Total", 6, 0), Bare("Count", 0, 5), Bare("Weight", 0, 6)});
  return layout;
}

const SynthTotaliserLayout& Inventory() {
  static const SynthTotaliserLayout layout({Bare("Begin", 0, 5), Bare("Actual", 0, 5), Bare("Receipt", 0, 5),
                                            Bare("Trans In", 0, 5), Bare("Trans Out", 0, 5), Bare("Waste", 0, 5),
                                            Bare("Total", 0, 5)});
  return layout;
}

const SynthTotaliserLayout& Stock() {
  static const SynthTotaliserLayout layout({Bare("Stock", 0, 3)});
  return layout;
}

} // namespace SynthLayouts
