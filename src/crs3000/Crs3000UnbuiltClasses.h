#pragma once
// The program and report classes that the ROM lists name but that are not built yet.
// A ROM driver leaves out exactly these entries; any other listed class that is missing
// is an error. The list only shrinks: a test fails once a class on it is registered.
#include <QStringList>

namespace Crs3000UnbuiltClasses {
const QStringList& Names();
bool Contains(const QString& className);
} // namespace Crs3000UnbuiltClasses
