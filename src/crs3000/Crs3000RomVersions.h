#pragma once
// The eighteen ROM versions of the CRS 3000 that a machine can be set to, in one table:
// the driver class of each (its name is stored with every machine), the ROM text that the
// model chooser shows and that decoders and forms compare, and the column of
// Crs3000RomLists that holds its programs and reports. In the order the chooser lists
// them; a version's index is its place in the table. The classes themselves
// (Crs3000RomClasses), their registration and the list below all come from this table.
#include <QList>
#include <QString>

// X(driver class, ROM text, ROM-list column) for each version.
#define TB_CRS3000_ROM_VERSIONS(X) \
  X(tEcrCrs3000V0061, "0.61 Not Supported", 0)              \
  X(tEcrCrs3000V0077, "0.77 Not Supported", 1)              \
  X(tEcrCrs3000V0101, "0.78 through 1.01 Not Supported", 1) \
  X(tEcrCrs3000V0218, "2.18 Not Supported", 1)              \
  X(tEcrCrs3000V0219, "2.19 Not Supported", 1)              \
  X(tEcrCrs3000V0220, "2.20 Not Supported", 1)              \
  X(tEcrCrs3000V0221, "2.21 Not Recommended", 2)            \
  X(tEcrCrs3000V0222, "2.22 Not Recommended", 3)            \
  X(tEcrCrs3000V0223, "2.23", 4)                            \
  X(tEcrCrs3000V0224, "2.24", 5)                            \
  X(tEcrCrs3000V0225, "2.25", 6)                            \
  X(tEcrCrs3000V0226, "2.26", 7)                            \
  X(tEcrCrs3000V0302, "3.02", 8)                            \
  X(tEcrCrs3000V0303, "3.03", 9)                            \
  X(tEcrCrs3000V0304, "3.04", 10)                           \
  X(tEcrCrs3000V0305, "3.05", 10)                           \
  X(tEcrCrs3000V0402, "4.02", 11)                           \
  X(tEcrCrs3000V0403, "4.03", 11)                           \

struct Crs3000RomVersion {
  QString ClassName;
  QString RomName;
  int Column;
};

namespace Crs3000RomVersions {
#define TB_CRS3000_COUNT_ROM_(Name, Rom, Column) +1
constexpr int Count = 0 TB_CRS3000_ROM_VERSIONS(TB_CRS3000_COUNT_ROM_);
#undef TB_CRS3000_COUNT_ROM_
const QList<Crs3000RomVersion>& All();
// ERangeError outside 0..Count-1.
const Crs3000RomVersion& At(int index);
// True for ROMs 3.04 and 3.05, which keep some programs (job codes, pay rates, time and
// attendance) in tables of their own: the classes named with "304".
bool Has304Tables(const QString& romName);
} // namespace Crs3000RomVersions
