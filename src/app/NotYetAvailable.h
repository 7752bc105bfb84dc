#pragma once
// A menu entry whose window is not part of this build yet tells the user so in one line.
#include <QString>

// "<what> is not available in this version yet."
QString NotYetAvailableText(const QString& what);
void ShowNotYetAvailable(const QString& what);
