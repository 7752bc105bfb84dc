#include "crs3000/Crs3000ListedClass.h"

#include "crs3000/Crs3000ListErrors.h"
#include "crs3000/Crs3000UnbuiltClasses.h"
#include "store/streaming/StreamRegistry.h"

const TClass* Crs3000ListedClass(const QString& name, const TClass& base, const QString& romName) {
  const auto missing = [&](const QString& why) {
    return EListedClassMissing(QStringLiteral("ROM %1 lists class %2, %3").arg(romName, name, why));
  };
  const TClass* cls = FindClass(name);
  if (!cls) {
    if (Crs3000UnbuiltClasses::Contains(name)) return nullptr;
    throw missing(QStringLiteral("which is not registered"));
  }
  if (!cls->InheritsFrom(base) || cls->IsAbstract())
    throw missing(QStringLiteral("which is not a concrete %1 class").arg(base.ClassName()));
  return cls;
}
