#include "crs3000/Crs3000RomVersions.h"

#include "model/EcrErrors.h"

namespace Crs3000RomVersions {
const QList<Crs3000RomVersion>& All() {
#define TB_CRS3000_ROM_ROW_(Name, Rom, Column) {QStringLiteral(#Name), QStringLiteral(Rom), Column},
  static const QList<Crs3000RomVersion> versions = {TB_CRS3000_ROM_VERSIONS(TB_CRS3000_ROM_ROW_)};
#undef TB_CRS3000_ROM_ROW_
  return versions;
}

const Crs3000RomVersion& At(int index) {
  if (index < 0 || index >= Count) throw ERangeError();
  return All().at(index);
}

bool Has304Tables(const QString& romName) {
  return romName == QLatin1String("3.04") || romName == QLatin1String("3.05");
}
} // namespace Crs3000RomVersions
