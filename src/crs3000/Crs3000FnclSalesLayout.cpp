// The sales section of the financial record: 409 bytes at offset 0.
#include "crs3000/Crs3000FnclLayouts.h"
#include "crs3000/Crs3000FnclSectionLayout.h"

const EcrLayout& Crs3000FnclLayouts::Sales() {
  static const Crs3000FnclSectionLayout section{409, 3,
                                                {{"Item Sales", 5},
                                                 {"Net Coupon", 3},
                                                 {"AItmDisc", 3, 10, 2},
                                                 {"PLU Item", 5},
                                                 {"Adjust PLU"},
                                                 {"Ven Coupon", 3},
                                                 {"BItmDisc", 3, 10, 2},
                                                 {"St Disc", 3, 5},
                                                 {"Net Sales"},
                                                 {"Tax ", 0, 4},
                                                 {"St Add On ", 3, 5},
                                                 {"GC Sold ", 3, 3},
                                                 {"Promo Item", 3},
                                                 {"PrmoItmSale", 3},
                                                 {"Gross Sales"},
                                                 {"Ystrday Gr"},
                                                 {"GS Grand"}}};
  return section.Layout();
}
