// The memo section of the financial record: customer, transaction and guest counts,
// untaxed sales and the sales taxes, eat-in and take-out sales, the two order tracks with
// their average times, waste, price changes and coupon transactions. The record holds
// each totaliser's total before its count; the table lists the count first. "Number" and
// "Guests" count in their total bytes too, so those totals are not divided.
#include "crs3000/Crs3000FnclLayouts.h"

namespace {
using C = EcrCoding;
using T = TFieldType;

// The section is the same in every layout of the combined record.
std::vector<EcrPlace> Everywhere(int offset, int width) { return {{offset, width}, {offset, width}, {offset, width}}; }
EcrColumn Total(const char* name, int offset, int scale = 100) {
  return {name, T::Money, 0, C::Totaliser, Everywhere(offset, 6), scale};
}
EcrColumn Count(const char* name, int offset, int width = 3) {
  return {name, T::Long, 0, C::Totaliser, Everywhere(offset, width)};
}
} // namespace

const EcrLayout& Crs3000FnclLayouts::Memo() {
  static const EcrLayout layout{{168, 168, 168},
                                {Count("Customers Count", 0),
                                 Count("Number Count", 9),
                                 Total("Number Total", 3, 1),
                                 Count("Guests Count", 18),
                                 Total("Guests Total", 12, 1),
                                 Count("No Sale Count", 21),
                                 Count("No Tax Sls Count", 30),
                                 Total("No Tax Sls Total", 24),
                                 Total("NonTax Sls Total", 33),
                                 Total("Sales Tax 1 Total", 39),
                                 Total("Sales Tax 2 Total", 45),
                                 Total("Sales Tax 3 Total", 51),
                                 Total("Sales Tax 4 Total", 57),
                                 Count("Eat In Sls Count", 69),
                                 Total("Eat In Sls Total", 63),
                                 Count("TakeOut Sls Count", 78),
                                 Total("TakeOut Sls Total", 72),
                                 Count("Track1 Sls Count", 87),
                                 Total("Track1 Sls Total", 81),
                                 Count("Track2 Sls Count", 96),
                                 Total("Track2 Sls Total", 90),
                                 Count("Track 1 ST Count", 105),
                                 Total("Track 1 ST Total", 99),
                                 Count("Track 1 RE Count", 114),
                                 Total("Track 1 RE Total", 108),
                                 Count("Tr1 AvgTime Count", 117, 6),
                                 Count("Track 2 ST Count", 129),
                                 Total("Track 2 ST Total", 123),
                                 Count("Track 2 RE Count", 138),
                                 Total("Track 2 RE Total", 132),
                                 Count("Tr2 AvgTime Count", 141, 6),
                                 Count("Waste Count", 153),
                                 Total("Waste Total", 147),
                                 Count("Pr Change Count", 156),
                                 Count("Cpn Trans Count", 165),
                                 Total("Cpn Trans Total", 159)}};
  return layout;
}
