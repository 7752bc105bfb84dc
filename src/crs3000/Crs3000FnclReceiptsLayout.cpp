// The receipts section of the financial record: 435 bytes at offset 409. The 18 bytes
// after the tenth charge hold nothing the table keeps.
#include "crs3000/Crs3000FnclLayouts.h"
#include "crs3000/Crs3000FnclSectionLayout.h"

const EcrLayout& Crs3000FnclLayouts::Receipts() {
  static const Crs3000FnclSectionLayout section{435, 3,
                                                {{"Cash ", 3, 5},
                                                 {"Check ", 3, 5},
                                                 {"Charge ", 3, 10, 2},
                                                 {nullptr, 0, 0, 0, 18},
                                                 {"A GC Redeem", 3},
                                                 {"Gross Sales"},
                                                 {"Recd Acct ", 3, 5},
                                                 {"Paid Out ", 3, 8},
                                                 {"CA In Dwr", 3},
                                                 {"CA Dec"},
                                                 {"CA Ovr Shrt"},
                                                 {"Chk In Dwr", 3},
                                                 {"Chk Dec"},
                                                 {"Chk Ovr Shrt"},
                                                 {"Chg In Dwr", 3},
                                                 {"Frgn Curr ", 3, 5},
                                                 {"B GC Redeem", 3}}};
  return section.Layout();
}
