#include "comm/session/ModemSignalsText.h"

QString ModemSignalsText(bool cts, bool dsr, bool dcd) {
  auto state = [](bool on) { return on ? QStringLiteral("ON ") : QStringLiteral("OFF"); };
  return QStringLiteral("CTS: ") + state(cts) + QStringLiteral("  DSR: ") + state(dsr) + QStringLiteral("  DCD: ") +
         state(dcd);
}
