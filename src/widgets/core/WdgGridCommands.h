#pragma once
// How the table grid sorts the commands of its key table.
#include <QtGlobal>

// The commands that move the active cell.
bool WdgIsGridNavigation(quint16 command);
// The plain command of an extending one (Shift with a navigation key), else ccNone.
quint16 WdgGridPlainCommand(quint16 command);
