#pragma once
// The CRS 3000 program and report classes bound to the ROM versions: each ROM version's
// driver builds the classes its lists name (Crs3000RomLists), so a class defined for the
// family must be named there, or no driver would ever offer it. A class binds itself
// when it is defined (Crs3000ClassDef.h).
#include <QList>
#include <QStringList>

class TClass;

namespace Crs3000RomBinding {
// Called by the class definition, before main.
void Bind(const TClass& cls);
// Every bound class, in the order they were bound.
const QList<const TClass*>& Bound();
// The ROM texts of the versions whose program list (for a program class) or report list
// (for any other class) names the class; empty for a class no version offers.
QStringList RomsListing(const TClass& cls);
// The names of the classes that no ROM version lists.
QStringList Unlisted(const QList<const TClass*>& classes);
} // namespace Crs3000RomBinding
