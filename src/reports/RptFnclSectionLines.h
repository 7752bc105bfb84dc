#pragma once
// The line tables of the five sections of the financial report (sales, receipts, memo,
// system balancing, table service) as their section forms print them, and the same lines as
// the financial form prints them under one title: bands of its own chain, every line with the
// pair test, and captions from the register only in the sales section.
#include "reports/RptLineSpec.h"

namespace RptFnclSectionLines {
enum Section : int { kSales, kReceipts, kMemo, kSysBal, kTblSrvc, kSectionCount };

const QList<RptLineSpec>& SectionForm(int section);
const QList<RptLineSpec>& FinancialForm(int section);
} // namespace RptFnclSectionLines
