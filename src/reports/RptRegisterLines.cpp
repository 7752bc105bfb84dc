#include "reports/RptRegisterLines.h"

#include "platform/sys/Cp1252.h"

RptRegisterLines RegisterLinesOf(const QByteArray& status) {
  RptRegisterLines lines;
  QString* byBit[] = {&lines.inRange, &lines.prePolled, &lines.prevZ};
  for (int n = 1; n <= kRptStatusBytes; ++n) {
    const auto byte = n <= status.size() ? quint8(status[n - 1]) : quint8(0);
    const QString number = QString::number(n).rightJustified(3, QLatin1Char(' '));
    for (int bit = 0; bit < 3; ++bit) *byBit[bit] += (byte >> bit) & 1 ? number : QStringLiteral("   ");
  }
  return lines;
}

QByteArray StatusBytesOf(const QString& stored) { return Cp1252::Encode(stored.left(kRptStatusBytes)); }
