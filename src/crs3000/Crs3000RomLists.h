#pragma once
// The program tables and reports that each CRS 3000 ROM version offers, kept as data: the
// exact class names, in the order in which the ROM's driver adds them to its lists.
// ROM versions with identical lists share a column (Crs3000RomVersions gives each ROM
// its column). A name may belong to a class that is not built into this program; the
// driver then leaves that entry out (see tEcrCrs3000).
#include <QStringList>

namespace Crs3000RomLists {
constexpr int ColumnCount = 12;

// The program (report) class names of a column; ERangeError outside 0..ColumnCount-1.
QStringList PrgClassNames(int column);
QStringList RptClassNames(int column);
} // namespace Crs3000RomLists
