// The system balancing section of the financial record: gross sales, coupons, discounts,
// refunds, corrections, voids and cancels, PLU sales, negative tax and sales, the gross
// grand totals and the training gross. The record holds each totaliser's total before its
// count; the table lists the count first.
#include "crs3000/Crs3000FnclLayouts.h"

namespace {
using C = EcrCoding;
using T = TFieldType;

// The section is the same in every layout of the combined record.
std::vector<EcrPlace> Everywhere(int offset, int width) { return {{offset, width}, {offset, width}, {offset, width}}; }
EcrColumn Total(const char* name, int offset) { return {name, T::Money, 0, C::Totaliser, Everywhere(offset, 6), 100}; }
EcrColumn Count(const char* name, int offset, int width = 3) {
  return {name, T::Long, 0, C::Totaliser, Everywhere(offset, width)};
}
} // namespace

const EcrLayout& Crs3000FnclLayouts::SystemBalancing() {
  static const EcrLayout layout{{125, 125, 125},
                                {Total("Gross Sales Total", 0),
                                 Count("Coupon Count", 12),
                                 Total("Coupon Total", 6),
                                 Count("Discount Count", 21),
                                 Total("Discount Total", 15),
                                 Count("Refund Count", 30),
                                 Total("Refund Total", 24),
                                 Count("Error Cor Count", 39),
                                 Total("Error Cor Total", 33),
                                 Count("Void Count", 48),
                                 Total("Void Total", 42),
                                 Count("Cancel Count", 57),
                                 Total("Cancel Total", 51),
                                 Count("Trans Void Count", 66),
                                 Total("Trans Void Total", 60),
                                 Count("PLU Count", 75, 5),
                                 Total("PLU Total", 69),
                                 Count("Negative Tax Count", 86),
                                 Total("Negative Tax Total", 80),
                                 Count("Neg Sales Count", 95),
                                 Total("Neg Sales Total", 89),
                                 Total("Daily Gross Total", 98),
                                 Total("YesterdayGr Total", 104),
                                 Total("NonReset Gr Total", 110),
                                 Count("Training Gr Count", 122),
                                 Total("Training Gr Total", 116)}};
  return layout;
}
