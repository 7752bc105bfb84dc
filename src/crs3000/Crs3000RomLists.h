#pragma once
// The program tables and reports that each CRS 3000 ROM version offers, kept as data: the
// exact class names, in the order in which the ROM's driver adds them to its lists.
// ROM versions with identical lists share a column (Crs3000RomVersions gives each ROM
// its column). A name may belong to a class that is not built yet; the driver leaves
// out only the names of Crs3000UnbuiltClasses (see tEcrCrs3000).
#include <QStringList>

namespace Crs3000RomLists {
constexpr int ColumnCount = 12;

// The program (report) class names of a column; ERangeError outside 0..ColumnCount-1.
QStringList PrgClassNames(int column);
QStringList RptClassNames(int column);

// The ColumnCount cells of a row, split at single blanks: "x" (the row class, which must
// then be given), "-" or a class name without the family prefix. EMalformedRomList for
// a row with too few or too many cells, or an empty one.
QStringList RowCells(const QString& rowClass, const QString& cells);
} // namespace Crs3000RomLists
