#pragma once
// The class that a ROM driver builds for a name of its program or report list.
#include <QString>

class TClass;

// The concrete class registered under the name that derives from base, or nullptr for a
// class of Crs3000UnbuiltClasses. EListedClassMissing (naming class and ROM) for any
// other name that is not registered, or that is abstract or of another kind.
const TClass* Crs3000ListedClass(const QString& name, const TClass& base, const QString& romName);
