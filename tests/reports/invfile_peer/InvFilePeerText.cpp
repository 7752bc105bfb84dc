// The walk of an inventory poll-update file as text, one line per record in file order.
#include "InvFilePeer.h"

namespace InvFilePeer {

namespace {

QString DateText(const Date& d) {
  if (d.IsEmpty()) return QStringLiteral("none");
  return QStringLiteral("%1-%2-%3").arg(d.year, 4, 10, QLatin1Char('0'))
      .arg(d.month, 2, 10, QLatin1Char('0')).arg(d.day, 2, 10, QLatin1Char('0'));
}

// Printable ASCII as it is, every other byte as \xNN.
QString Quoted(const QByteArray& bytes) {
  QString text = QStringLiteral("\"");
  for (const char c : bytes) {
    const auto b = quint8(c);
    if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\')
      text += QLatin1Char(c);
    else
      text += QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
  }
  return text + QLatin1Char('"');
}

QString HeaderLine(const Header& h) {
  return QStringLiteral("record %1 poll header: store %2, machine %3, id %4, register date %5, "
                        "poll date %6 %7:%8, z counter %9, previous %10, next %11")
      .arg(h.record).arg(h.storeNumber).arg(h.machineNumber).arg(Quoted(h.machineId))
      .arg(DateText(h.ecrDate), DateText(h.pollDate))
      .arg(h.hour, 2, 10, QLatin1Char('0')).arg(h.minute, 2, 10, QLatin1Char('0'))
      .arg(h.zCounter).arg(h.previous).arg(h.next);
}

QString ItemLine(const Item& it) {
  return QStringLiteral("record %1 item %2: plu %3, quantity %4/%5, amount %6/%7")
      .arg(it.record).arg(it.itemNumber).arg(Quoted(it.pluText))
      .arg(it.quantity).arg(it.quantityScale).arg(it.amount).arg(it.amountScale);
}

} // namespace

QString WalkText(const Walk& walk) {
  QStringList lines;
  lines << QStringLiteral("%1 records, %2 polls").arg(walk.recordCount).arg(walk.polls.size());
  for (const Header& h : walk.polls) {
    lines << HeaderLine(h);
    for (const Item& it : h.items) lines << ItemLine(it);
  }
  lines << QStringLiteral("record %1 end record: last header %2").arg(walk.end.record).arg(walk.end.lastHeader);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace InvFilePeer
