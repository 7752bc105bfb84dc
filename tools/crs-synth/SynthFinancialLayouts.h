#pragma once
// The five sections of the financial record, in record order. Only the table-service
// section differs between the three layouts of the record (1290, 1296 and 1305 bytes).
#include "crs-synth/SynthTotaliserLayout.h"

enum class SynthFinancialLayout { Fncl224, Financial, Fncl303 };

namespace SynthFinancialLayouts {
const SynthTotaliserLayout& Sales();
const SynthTotaliserLayout& Receipts();
const SynthTotaliserLayout& Memo();
const SynthTotaliserLayout& SystemBalancing();
const SynthTotaliserLayout& TableService(SynthFinancialLayout layout);
// All 33 columns of the table-service table, whatever the layout carries.
QStringList TableServiceColumns();
} // namespace SynthFinancialLayouts

// One section of the chain: its report name, the table its row goes to, the decoder class
// of the layout, and its bytes.
struct SynthFinancialSection {
  QString report;
  QString table;
  QString className;
  const SynthTotaliserLayout* layout = nullptr;
};

namespace SynthFinancialLayouts {
QList<SynthFinancialSection> Sections(SynthFinancialLayout variant);
// The row of a section's table. The table-service table has the 33 columns of the longest
// layout: what a shorter layout lacks is left empty, except "GC Change Total", which the
// 1290-byte decoder sets to 0.
SynthRow SectionRow(const SynthFinancialSection& section, const SynthTotaliserLayout::Record& record,
                    SynthFinancialLayout variant);
} // namespace SynthFinancialLayouts
