#include "WireTokens.h"

#include "crs-sim/CrsSim.h"
#include "crs-sim/SimTranscriptEntry.h"

QString WireTokens::Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

namespace {
using WireTokens::Hex;

// A command body: the command byte and its data (one byte, or fifteen for a consolidation),
// the four-digit store number, the register range.
bool IsCommand(const SimTranscriptEntry& e) {
  static const QByteArray kCommands("\xA0\xB0\xC0\xC1\xD0\xE0\xF0");
  const QByteArray& body = e.body;
  return !e.sent && !e.note.startsWith(QLatin1String("block")) && (body.size() == 8 || body.size() == 22) && kCommands.contains(body[0]);
}

QString DataToken(const SimTranscriptEntry& e) {
  const QByteArray& body = e.body;
  if (IsCommand(e)) {
    const qsizetype data = body.size() - 6;
    return QStringLiteral("CMD %1 %2 %3").arg(Hex(body.left(data)), QString::fromLatin1(body.mid(data, 4)),
                                               Hex(body.right(2)).remove(QLatin1Char(' ')));
  }
  if (e.sent && e.note.contains(QLatin1String("status"))) return QStringLiteral("STAT %1").arg(Hex(body.mid(2, 1)));
  if (e.sent && e.note.contains(QLatin1String("error block"))) return QStringLiteral("ERR %1").arg(quint8(body[3]));
  return QStringLiteral("BLK %1").arg(body.isEmpty() ? -1 : int(quint8(body[0])));
}
} // namespace

QString WireTokens::Token(const SimTranscriptEntry& e) {
  const QString dir = e.sent ? QStringLiteral("< ") : QStringLiteral("> ");
  switch (e.kind) {
  case SimWireFrame::Ack: return dir + QStringLiteral("ACK");
  case SimWireFrame::Nak: return dir + QStringLiteral("NAK");
  case SimWireFrame::Eot: return dir + QStringLiteral("EOT");
  case SimWireFrame::Data: return dir + (e.crcOk ? QString() : QStringLiteral("BAD ")) + DataToken(e);
  default: return dir + QStringLiteral("NOISE ") + Hex(e.wire);
  }
}

QStringList WireTokens::All(const CrsSim& sim) {
  QStringList tokens;
  for (const SimTranscriptEntry& e : sim.Transcript()) tokens.append(Token(e));
  return tokens;
}

QStringList WireTokens::Received(const CrsSim& sim) {
  QStringList tokens;
  for (const SimTranscriptEntry& e : sim.Transcript())
    if (!e.sent) tokens.append(Token(e));
  return tokens;
}
