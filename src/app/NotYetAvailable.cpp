#include "app/NotYetAvailable.h"

#include "platform/sys/Prompter.h"

QString NotYetAvailableText(const QString& what) {
  return what + QStringLiteral(" is not available in this version yet.");
}

void ShowNotYetAvailable(const QString& what) { Prompter::ShowMessage(NotYetAvailableText(what)); }
