#pragma once
// The settings switch that chooses between the short and the long names of some report
// tables (section "Vexlo", key "Value", default false). It is read every time a name is
// asked for, so a switch changed between two polls sends the second poll's rows to the
// other table and leaves the first poll's where they are.
#include <QString>

namespace Crs3000TableNames {
bool LongNames();
// The long name when the switch is on, else the short one.
QString Choose(const QString& shortName, const QString& longName);
} // namespace Crs3000TableNames
