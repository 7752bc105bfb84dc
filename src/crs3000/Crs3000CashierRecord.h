#pragma once
// The record of the cashier and day/shift reports: one employee's or one day/shift's
// sales, media, tips and drawer totalisers. ROM versions 3.03 to 3.05 add the debit card
// totaliser at the end (778 bytes); every other ROM has the 763-byte record. The two
// tables differ by the debit card columns, so each size is a layout of its own, both
// built from one list of totalisers.
//
// The names in both reports come from the register's employee program, keyed by the
// record's number.
#include "model/EcrLayout.h"

namespace Crs3000CashierRecord {
const EcrLayout& Layout763();
const EcrLayout& Layout778();

inline constexpr const char* kNameProgram = "tEcrPrgCrs3000Employee";
inline constexpr const char* kNameColumn = "Name";
inline constexpr int kNameSize = 12;
} // namespace Crs3000CashierRecord
