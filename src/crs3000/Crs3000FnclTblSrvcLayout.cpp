// The table service section, which ends the financial record: guests and checks, service,
// check transfers, paid checks, tips, the average service time, rounding, the edit
// counters, cash deposits, guest-check change and debit card sales. The record holds each
// totaliser's total before its count; the table lists the count first. The older layout
// (variant 1) ends before the guest-check change; only the newest (variant 2) carries
// debit card sales. The 18 bytes after the charge tips paid out hold no figure.
#include "crs3000/Crs3000FnclLayouts.h"

namespace {
using C = EcrCoding;
using T = TFieldType;

constexpr EcrPlace No = kNotInVariant;

// A place that every layout of the combined record shares.
std::vector<EcrPlace> Everywhere(int offset, int width) { return {{offset, width}, {offset, width}, {offset, width}}; }
EcrColumn Total(const char* name, int offset) { return {name, T::Money, 0, C::Totaliser, Everywhere(offset, 6), 100}; }
EcrColumn Count(const char* name, int offset, int width = 3) {
  return {name, T::Long, 0, C::Totaliser, Everywhere(offset, width)};
}
} // namespace

const EcrLayout& Crs3000FnclLayouts::TableService() {
  static const EcrLayout layout{{159, 153, 168},
                                {Count("Guest Count", 0, 6),
                                 Count("Begin Check Count", 6),
                                 Count("Service Count", 15),
                                 Total("Service Total", 9),
                                 Count("Transfer In Count", 24),
                                 Total("Transfer In Total", 18),
                                 Count("Transfer Out Count", 33),
                                 Total("Transfer Out Total", 27),
                                 Count("Paid Check Count", 42),
                                 Total("Paid Check Total", 36),
                                 Total("Est Tips Total", 45),
                                 Count("Gr Chg Tips Count", 57),
                                 Total("Gr Chg Tips Total", 51),
                                 Total("CC Tips Fee Total", 60),
                                 Total("NetChg Tips Total", 66),
                                 Count("Cash Tips Count", 78),
                                 Total("Cash Tips Total", 72),
                                 Total("All Tips Total", 81),
                                 Count("ChgTips PO Count", 93),
                                 Total("ChgTips PO Total", 87),
                                 {nullptr, T::Long, 0, C::Reserved, Everywhere(96, 18)},
                                 Count("Avg Time Count", 114, 6),
                                 Total("Round Acc Total", 120),
                                 Count("Daily Edit Count", 126),
                                 Count("Weekly Edit Count", 129),
                                 Count("Period Edit Count", 132),
                                 Count("Cash Dep Count", 141),
                                 Total("Cash Dep Total", 135),
                                 Count("Dep Unused Count", 150),
                                 Total("Dep Unused Total", 144),
                                 {"GC Change Total", T::Money, 0, C::Totaliser, {{153, 6}, No, {153, 6}}, 100},
                                 {"Debit Card Count", T::Long, 0, C::Totaliser, {No, No, {165, 3}}},
                                 {"Debit Card Total", T::Money, 0, C::Totaliser, {No, No, {159, 6}}, 100}}};
  return layout;
}
