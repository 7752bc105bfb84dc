#include "crs3000/Crs3000RomBinding.h"

#include "crs3000/Crs3000RomLists.h"
#include "crs3000/Crs3000RomVersions.h"
#include "model/tEcrPrg.h"

namespace Crs3000RomBinding {
namespace {
QList<const TClass*>& TheBound() {
  static QList<const TClass*> bound;
  return bound;
}
} // namespace

void Bind(const TClass& cls) { TheBound().append(&cls); }

const QList<const TClass*>& Bound() { return TheBound(); }

QStringList RomsListing(const TClass& cls) {
  const bool program = cls.InheritsFrom(tEcrPrg::StaticClass());
  QStringList roms;
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All()) {
    const QStringList names = program ? Crs3000RomLists::PrgClassNames(version.Column)
                                      : Crs3000RomLists::RptClassNames(version.Column);
    if (names.contains(cls.ClassName())) roms.append(version.RomName);
  }
  return roms;
}

QStringList Unlisted(const QList<const TClass*>& classes) {
  QStringList names;
  for (const TClass* cls : classes)
    if (RomsListing(*cls).isEmpty()) names.append(cls->ClassName());
  return names;
}
} // namespace Crs3000RomBinding
