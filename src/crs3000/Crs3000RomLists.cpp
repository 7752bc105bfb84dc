#include "crs3000/Crs3000RomLists.h"

#include "crs3000/Crs3000ListErrors.h"
#include "model/EcrErrors.h"

#include <QString>

#include <array>

namespace {
// One row of a list: the row's class and, per column, "x" for that class, "-" for none,
// or another class named without the family prefix.
struct ListRow {
  const char* rowClass; // empty when every column names its own class
  const char* cells;    // ColumnCount cells separated by blanks
};

// The memory allocation row names a different class in every column, and the financial
// report row names the head of each column's financial chain.
const ListRow PrgRows[] = {
    {"", "MemAllocV221 - MemAllocV221 MemAllocV221 MemAllocV221 MemAllocV221 MemAllocV221 MemAllocV221 MemAllocV302 MemAllocV302 MemAllocV302 MemAllocV402"},
    {"tEcrPrgCrs3000AgrmntMsg", "- - - x x x x x x x x x"},
    {"tEcrPrgCrs3000AprvlMsg", "- - AprvlMsg221 x x x x x x x x x"},
    {"tEcrPrgCrs3000AuthLvls", "- - x x x x x x x x AuthLvls304 x"},
    {"tEcrPrgCrs3000CrdRdr", "- - - x x CrdRdrV224 CrdRdrV224 CrdRdrV224 CrdRdrV224 CrdRdrV224 CrdRdrV224 x"},
    {"tEcrPrgCrs3000CondChains", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000CondTables", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000Coupon", "x - Coupon224 - Coupon224 Coupon224 - x x x x -"},
    {"tEcrPrgCrs3000DateTime", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000DiscCat", "- - - - - - x x x x x -"},
    {"tEcrPrgCrs3000DrwrAssign", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000Employee", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000ErrMsg", "- - ErrMsg221 x x x x x x x x x"},
    {"tEcrPrgCrs3000FnctKys", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000Groups", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000InvtItm", "- - - - - x x x x x x -"},
    {"tEcrPrgCrs3000JobCodes", "- - x x x x x x x x JobCodes304 x"},
    {"tEcrPrgCrs3000Kbrd", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000KpgDesc", "- - - - - - - - - - - x"},
    {"tEcrPrgCrs3000Logo", "- - - - - - - - x x x x"},
    {"tEcrPrgCrs3000LogoMsgs", "- - LogoMsgs221 x x x x x x x x x"},
    {"tEcrPrgCrs3000Lkup", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000Macro", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000MajGrp", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000MemAllocV225", "- x - - - - - - - - - -"},
    {"tEcrPrgCrs3000Messages", "x x Messages221 x x x x x x x x x"},
    {"tEcrPrgCrs3000MiscCtrl", "- - - - x x x x x x MiscCtrl304 x"},
    {"tEcrPrgCrs3000MnthDesc", "- - MnthDesc221 x x x x x x x x x"},
    {"tEcrPrgCrs3000PayRates", "- - x x x x x x x x PayRates304 x"},
    {"tEcrPrgCrs3000PLU", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000PLUReplace", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000PLUSale", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000Polling", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000PriceSchedule", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000PriceTable", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000PrntCtrl", "- - PrntCtrl221 x x x x x x x PrntCtrl304 PrntCtrl402"},
    {"tEcrPrgCrs3000PrntrTbl", "- - PrntrTbl221 PrntrTbl221 PrntrTbl221 x x x x PrntrTbl303 PrntrTbl303 PrntrTbl221"},
    {"tEcrPrgCrs3000ProductMix", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000Recipes", "- - - - - x x x x x x -"},
    {"tEcrPrgCrs3000RptDesc", "- - RptDesc221 x x x x x x x x x"},
    {"tEcrPrgCrs3000RS232Config", "- x RS232Config221 RS232Config221 RS232Config221 x x x x RS232Config303 RS232Config305 RS232Config221"},
    {"tEcrPrgCrs3000SpItmStk", "- - - - - - - - x x x -"},
    {"tEcrPrgCrs3000SubGrp", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000SysDesc", "- - SysDesc221 x x x x x x x x x"},
    {"tEcrPrgCrs3000SystemOptions", "x x SystemOptions221 SystemOptions221 x x x x x x SystemOptions304 SystemOptions402"},
    {"tEcrPrgCrs3000TaFls", "- - x x x x x x x x TaFls304 x"},
    {"tEcrPrgCrs3000TareTable", "- - x x x x x x x x x x"},
    {"tEcrPrgCrs3000TaxCtrl", "- - TaxCtrl221 x x x x x x x TaxCtrl304 TaxCtrl402"},
    {"tEcrPrgCrs3000TaxDesc", "- - TaxDesc221 x x x x x x x x x"},
    {"tEcrPrgCrs3000TaxTable", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000TimeActivate", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000TimeRange", "x x x x x x x x x x x x"},
    {"tEcrPrgCrs3000TrnsCtrl", "- - TrnsCtrl221 x x x x x x x TrnsCtrl304 TrnsCtrl402"},
    {"tEcrPrgCrs3000XMode", "- - x x x x x x x x x x"},
};

const ListRow RptRows[] = {
    {"tEcrRptCrs3000Cashier", "x x x x x x x x x Cshr303 Cshr303 x"},
    {"tEcrRptCrs3000Coupon", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000DayShift", "x x x x x x x x x DayShift303 DayShift303 x"},
    {"tEcrRptCrs3000Ej", "- - - x x x x x x x x x"},
    {"", "Fncl224 Fncl224 Fncl224 Fncl224 Fncl224 Fncl224 Fncl224 Financial Financial Fncl303 Fncl303 Fncl224"},
    {"tEcrRptCrs3000Invt", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000MajorGroup", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000OpnOrdTrk1", "x x x x x x x x x x x OpnOrdTrk1V4"},
    {"tEcrRptCrs3000OpnOrdTrk2", "x x x x x x x x x x x OpnOrdTrk2V4"},
    {"tEcrRptCrs3000OpnOrdTrk3", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PLU", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000ProductMix", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjSun", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjMon", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjTue", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjWed", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjThu", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjFri", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000PrdPrjSat", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000SalesLabor", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000SpcItmStk", "- - - - - - - - x x x -"},
    {"tEcrRptCrs3000SubGroup", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000TimeKeeping", "x x x x x x x x x x x x"},
    {"tEcrRptCrs3000TimeKeepingZ2", "- - x x x x x x x x x x"},
    {"tEcrRptCrs3000TimeKeepingZ3", "- - x x x x x x x x x x"},
    {"tEcrRptCrs3000TimePeriod", "x x x x x x x x x x x x"},
};

size_t CheckedColumn(int column) {
  if (column < 0 || column >= Crs3000RomLists::ColumnCount) throw ERangeError();
  return size_t(column);
}

template <size_t N>
QStringList ClassNames(const ListRow (&rows)[N], const char* prefix, int column) {
  QStringList names;
  for (const ListRow& row : rows) {
    const QString rowClass = QString::fromLatin1(row.rowClass);
    const QString cell = Crs3000RomLists::RowCells(rowClass, QString::fromLatin1(row.cells)).at(column);
    if (cell == QLatin1String("-")) continue;
    names.append(cell == QLatin1String("x") ? rowClass : QString::fromLatin1(prefix) + cell);
  }
  return names;
}

template <size_t N>
std::array<QStringList, Crs3000RomLists::ColumnCount> AllColumns(const ListRow (&rows)[N], const char* prefix) {
  std::array<QStringList, Crs3000RomLists::ColumnCount> lists;
  for (int column = 0; column < Crs3000RomLists::ColumnCount; ++column) lists[size_t(column)] = ClassNames(rows, prefix, column);
  return lists;
}
} // namespace

namespace Crs3000RomLists {
QStringList RowCells(const QString& rowClass, const QString& cells) {
  const QStringList parts = cells.split(QLatin1Char(' '));
  const auto malformed = [&](const QString& why) {
    return EMalformedRomList(QStringLiteral("ROM list row %1 \"%2\": %3")
                                 .arg(rowClass.isEmpty() ? QStringLiteral("(per column)") : rowClass, cells, why));
  };
  if (parts.size() != ColumnCount)
    throw malformed(QStringLiteral("%1 cells for %2 ROM columns").arg(parts.size()).arg(ColumnCount));
  for (const QString& cell : parts) {
    if (cell.isEmpty()) throw malformed(QStringLiteral("an empty cell"));
    if (cell == QLatin1String("x") && rowClass.isEmpty())
      throw malformed(QStringLiteral("\"x\" without a row class"));
  }
  return parts;
}

// The lists are fixed: each column's is built once (every machine read from the file
// builds its programs and reports from them).
QStringList PrgClassNames(int column) {
  static const auto lists = AllColumns(PrgRows, "tEcrPrgCrs3000");
  return lists[CheckedColumn(column)];
}
QStringList RptClassNames(int column) {
  static const auto lists = AllColumns(RptRows, "tEcrRptCrs3000");
  return lists[CheckedColumn(column)];
}
} // namespace Crs3000RomLists
