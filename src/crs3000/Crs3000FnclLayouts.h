#pragma once
// The sections of the financial report's combined record, as record layouts. Each layout
// lists its section table's columns in table order ("Poll Id" is not among them: the
// report base adds it), with each column's place in the section; a section's layout
// has three variants, one for each layout of the combined record:
//   variant 0: the 1296-byte record (ROM 2.26 and 3.02),
//   variant 1: the 1290-byte record (ROM 2.25 and older, 4.02 and 4.03),
//   variant 2: the 1305-byte record (ROM 3.03 to 3.05).
// Only the table-service section differs between them.
#include "model/EcrLayout.h"

namespace Crs3000FnclLayouts {
enum Variant : int { kFinancial = 0, kFncl224 = 1, kFncl303 = 2 };

const EcrLayout& Sales();           // 409 bytes
const EcrLayout& Receipts();        // 435 bytes
const EcrLayout& Memo();            // 168 bytes
const EcrLayout& SystemBalancing(); // 125 bytes
const EcrLayout& TableService();    // 159, 153 or 168 bytes
} // namespace Crs3000FnclLayouts
