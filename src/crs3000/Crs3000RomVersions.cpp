#include "crs3000/Crs3000RomVersions.h"

#include "model/EcrErrors.h"

namespace Crs3000RomVersions {
const QList<Crs3000RomVersion>& All() {
  static const QList<Crs3000RomVersion> versions = {
      {QStringLiteral("tEcrCrs3000V0061"), QStringLiteral("0.61 Not Supported"), 0},
      {QStringLiteral("tEcrCrs3000V0077"), QStringLiteral("0.77 Not Supported"), 1},
      {QStringLiteral("tEcrCrs3000V0101"), QStringLiteral("0.78 through 1.01 Not Supported"), 1},
      {QStringLiteral("tEcrCrs3000V0218"), QStringLiteral("2.18 Not Supported"), 1},
      {QStringLiteral("tEcrCrs3000V0219"), QStringLiteral("2.19 Not Supported"), 1},
      {QStringLiteral("tEcrCrs3000V0220"), QStringLiteral("2.20 Not Supported"), 1},
      {QStringLiteral("tEcrCrs3000V0221"), QStringLiteral("2.21 Not Recommended"), 2},
      {QStringLiteral("tEcrCrs3000V0222"), QStringLiteral("2.22 Not Recommended"), 3},
      {QStringLiteral("tEcrCrs3000V0223"), QStringLiteral("2.23"), 4},
      {QStringLiteral("tEcrCrs3000V0224"), QStringLiteral("2.24"), 5},
      {QStringLiteral("tEcrCrs3000V0225"), QStringLiteral("2.25"), 6},
      {QStringLiteral("tEcrCrs3000V0226"), QStringLiteral("2.26"), 7},
      {QStringLiteral("tEcrCrs3000V0302"), QStringLiteral("3.02"), 8},
      {QStringLiteral("tEcrCrs3000V0303"), QStringLiteral("3.03"), 9},
      {QStringLiteral("tEcrCrs3000V0304"), QStringLiteral("3.04"), 10},
      {QStringLiteral("tEcrCrs3000V0305"), QStringLiteral("3.05"), 10},
      {QStringLiteral("tEcrCrs3000V0402"), QStringLiteral("4.02"), 11},
      {QStringLiteral("tEcrCrs3000V0403"), QStringLiteral("4.03"), 11},
  };
  return versions;
}

const Crs3000RomVersion& At(int index) {
  if (index < 0 || index >= Count) throw ERangeError();
  return All().at(index);
}
} // namespace Crs3000RomVersions
