#pragma once
// The line tables of the cashier form (a block of 91 lines a cashier: 88 totalisers and
// three averages) and of its twin, the day/shift form (the 87 same totalisers, ungated, and
// its own G.C. change line).
#include "reports/RptLineSpec.h"

namespace RptCshrLines {
const QList<RptLineSpec>& Cashier();
const QList<RptLineSpec>& DayShift();
} // namespace RptCshrLines
