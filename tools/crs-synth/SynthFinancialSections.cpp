#include "crs-synth/SynthFinancialLayouts.h"

namespace SynthFinancialLayouts {

QList<SynthFinancialSection> Sections(SynthFinancialLayout variant) {
  using V = SynthFinancialLayout;
  const QString suffix = variant == V::Fncl224 ? QStringLiteral("224") : variant == V::Fncl303 ? QStringLiteral("303") : QString();
  // The classes of the first layout keep their full names; the variants shorten two of them.
  const auto name = [&](const char* base, const char* variantBase) {
    return QStringLiteral("tEcrRptCrs3000") + QLatin1String(suffix.isEmpty() ? base : variantBase) + suffix;
  };
  return {
      {QStringLiteral("Sales"), QStringLiteral("tEcrRptCrs3000Sales"), name("Sales", "Sales"), &Sales()},
      {QStringLiteral("Receipts"), QStringLiteral("tEcrRptCrs3000Receipts"), name("Receipts", "Rcpts"), &Receipts()},
      {QStringLiteral("Memo"), QStringLiteral("tEcrRptCrs3000Memo"), name("Memo", "Memo"), &Memo()},
      {QStringLiteral("System Balancing"), QStringLiteral("tEcrRptCrs3000SysBal"), name("SysBal", "SysBal"),
       &SystemBalancing()},
      {QStringLiteral("Table Service"),
       variant == V::Fncl303 ? QStringLiteral("tEcrRptCrs3000TblSrvc303") : QStringLiteral("tEcrRptCrs3000TblSrvc"),
       name("TblSrvc", "TblSrvc"), &TableService(variant)},
  };
}

SynthRow SectionRow(const SynthFinancialSection& section, const SynthTotaliserLayout::Record& record,
                    SynthFinancialLayout variant) {
  SynthRow carried;
  section.layout->AddTo(carried, record);
  if (section.report != QLatin1String("Table Service")) return carried;
  SynthRow row;
  for (const QString& column : TableServiceColumns()) {
    if (section.layout->Has(column)) row.Add(column, carried.At(column));
    else if (column == QLatin1String("GC Change Total") && variant == SynthFinancialLayout::Fncl224)
      row.Add(column, SynthValue::Cents(0));
    else row.Add(column, SynthValue::Null());
  }
  return row;
}

} // namespace SynthFinancialLayouts
