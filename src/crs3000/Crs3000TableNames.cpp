#include "crs3000/Crs3000TableNames.h"

#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

namespace Crs3000TableNames {
bool LongNames() { return OpenSettingsFile(QStringLiteral("Vexlo"))->ReadBoolean(QStringLiteral("Value"), false); }

QString Choose(const QString& shortName, const QString& longName) { return LongNames() ? longName : shortName; }
} // namespace Crs3000TableNames
