#pragma once
// The modem signals of a freshly opened direct port, as the progress shows them:
// "CTS: ON   DSR: OFF  DCD: ON ".
#include <QString>

QString ModemSignalsText(bool cts, bool dsr, bool dcd);
