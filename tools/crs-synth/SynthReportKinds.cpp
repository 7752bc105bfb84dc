#include "crs-synth/SynthReportKinds.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthLayouts.h"

namespace SynthReportKinds {

namespace {
using F = SynthReportKind::Family;
using V = SynthFinancialLayout;
const QString kMemory = QStringLiteral("Memory Number");
const QString kDayShift = QStringLiteral("Day Shift Id");

SynthReportKind Kind(const char* name, int code, const char* className, const char* table, const char* report,
                     int perBlock, F family, const QString& key = {}, const SynthTotaliserLayout* layout = nullptr,
                     V variant = V::Financial) {
  return {QString::fromLatin1(name), code,     QString::fromLatin1(className), QString::fromLatin1(table),
          QString::fromLatin1(report), perBlock, family, key, layout, variant};
}
using L = SynthReportKind::LookUps;
using S = SynthOpenOrder::Shape;

SynthReportKind Items(const char* name, int code, const char* className, const char* table, const char* report,
                      int perBlock, const SynthTotaliserLayout& layout, L lookUps) {
  SynthReportKind kind = Kind(name, code, className, table, report, perBlock, F::List, kMemory, &layout);
  kind.lookUps = lookUps;
  return kind;
}

SynthReportKind Orders(const char* name, int code, const char* className, const char* table, const char* report,
                       S shape, int track) {
  SynthReportKind kind = Kind(name, code, className, table, report, 60, F::OpenOrders, kMemory);
  kind.shape = shape;
  kind.track = track;
  return kind;
}
} // namespace

const QList<SynthReportKind>& All() {
  static const QList<SynthReportKind> kinds{
      Kind("coupon", 44, "tEcrRptCrs3000Coupon", "tEcrRptCrs3000Coupon", "Coupon", 180, F::List, kMemory,
           &SynthLayouts::Coupon()),
      Kind("clkpnchs", 80, "tEcrRptCrs3000ClkPnchs", "tEcrRptCrs3000ClkPnchs", "Clock Punches", 320, F::ClockPunches),
      Kind("cashier", 34, "tEcrRptCrs3000Cashier", "tEcrRptCrs3000Cashier", "Cashier", 2, F::List, kMemory,
           &SynthLayouts::Cashier()),
      Kind("cashier303", 34, "tEcrRptCrs3000Cshr303", "tEcrRptCrs3000Cshr303", "Cashier", 2, F::List, kMemory,
           &SynthLayouts::Cashier303()),
      Kind("dayshift", 60, "tEcrRptCrs3000DayShift", "tEcrRptCrs3000DayShift", "Day Shift", 2, F::List, kDayShift,
           &SynthLayouts::Cashier()),
      Kind("dayshift303", 60, "tEcrRptCrs3000DayShift303", "tEcrRptCrs3000DaySh303", "Day Shift", 2, F::List,
           kDayShift, &SynthLayouts::Cashier303()),
      Kind("financial", 33, "tEcrRptCrs3000Financial", "tEcrRptCrs3000Financial", "Financial", 1, F::Financial, {},
           nullptr, V::Financial),
      Kind("fncl224", 33, "tEcrRptCrs3000Fncl224", "tEcrRptCrs3000Financial", "Financial", 1, F::Financial, {},
           nullptr, V::Fncl224),
      Kind("fncl303", 33, "tEcrRptCrs3000Fncl303", "tEcrRptCrs3000Financial", "Financial", 1, F::Financial, {},
           nullptr, V::Fncl303),
      // Nominally 6 records of 256 bytes a block; the journal's items run across blocks.
      Kind("ej", 96, "tEcrRptCrs3000Ej", "tEcrRptCrs3000Ej", "Electronic Journal", 6, F::Journal, kMemory),
      Items("plu", 38, "tEcrRptCrs3000PLU", "tEcrRptCrs3000PLU", "PLU", 50, SynthLayouts::Plu(), L::Plu),
      Items("majgroup", 42, "tEcrRptCrs3000MajorGroup", "tEcrRptCrs3000MajGroup", "Major Group", 20,
            SynthLayouts::Group(), L::Name),
      Items("subgroup", 41, "tEcrRptCrs3000SubGroup", "tEcrRptCrs3000SubGroup", "Sub Group Report", 99,
            SynthLayouts::Group(), L::Name),
      Items("invt", 47, "tEcrRptCrs3000Invt", "tEcrRptCrs3000Invt", "Inventory", 50, SynthLayouts::Inventory(),
            L::Inventory),
      Items("spcitmstk", 61, "tEcrRptCrs3000SpcItmStk", "tEcrRptCrs3000SpcItmStk", "Special Item Stock", 255,
            SynthLayouts::Stock(), L::Stock),
      Orders("opnordtrk1", 64, "tEcrRptCrs3000OpnOrdTrk1", "tEcrRptCrs3000Lane12", "Open Orders Track 1", S::Track12, 1),
      Orders("opnordtrk1v4", 64, "tEcrRptCrs3000OpnOrdTrk1V4", "tEcrRptCrs3000Lane12", "Open Orders Track 1",
             S::Track12V4, 1),
      Orders("opnordtrk2", 65, "tEcrRptCrs3000OpnOrdTrk2", "tEcrRptCrs3000Lane12", "Open Orders Track 2", S::Track12, 2),
      Orders("opnordtrk2v4", 65, "tEcrRptCrs3000OpnOrdTrk2V4", "tEcrRptCrs3000Lane12", "Open Orders Track 2",
             S::Track12V4, 2),
      Orders("opnordtrk3", 66, "tEcrRptCrs3000OpnOrdTrk3", "tEcrRptCrs3000OpnOrd3", "Open Orders Track 3", S::Track3, 3),
  };
  return kinds;
}

QStringList Names() {
  QStringList names;
  for (const SynthReportKind& kind : All()) names << kind.name;
  return names;
}

const SynthReportKind& Find(const QString& name) {
  for (const SynthReportKind& kind : All())
    if (kind.name == name) return kind;
  throw SynthUsageError(QStringLiteral("Unknown report \"%1\"; known: %2").arg(name, Names().join(QStringLiteral(", "))));
}

} // namespace SynthReportKinds
