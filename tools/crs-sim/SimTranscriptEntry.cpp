#include "crs-sim/SimTranscriptEntry.h"

#include "crs-sim/SimFraming.h"

QString SimTranscriptEntry::Format() const {
  const double seconds = double(sent ? startUs : endUs) / 1e6;
  return QStringLiteral("%1 %2 %3 %4  %5")
      .arg(seconds, 12, 'f', 6)
      .arg(sent ? QStringLiteral("out") : QStringLiteral("in "))
      .arg(SimWireFrame::KindName(kind), -5)
      .arg(QString::fromLatin1(wire.toHex(' ')).toUpper(), note);
}

SimTranscriptEntry SimTranscriptEntry::Received(const SimWireFrame& frame) {
  SimTranscriptEntry e;
  e.kind = frame.kind;
  e.wire = frame.wire;
  e.body = frame.body;
  e.crcOk = frame.kind != SimWireFrame::Data || frame.crcOk;
  e.startUs = frame.startUs;
  e.endUs = frame.endUs;
  return e;
}

SimTranscriptEntry SimTranscriptEntry::Sending(const QByteArray& wire, const QString& note) {
  using namespace SimFraming;
  SimTranscriptEntry e;
  e.sent = true;
  e.wire = wire;
  e.note = note;
  if (wire.size() == 2) {
    const quint8 code = quint8(wire[1]);
    e.kind = code == ACK ? SimWireFrame::Ack : code == NAK ? SimWireFrame::Nak : SimWireFrame::Eot;
  } else {
    e.kind = SimWireFrame::Data;
    e.body = Unstuff(wire.mid(2, wire.size() - 6));
    e.crcOk = quint16(quint8(wire[wire.size() - 2]) | quint8(wire[wire.size() - 1]) << 8) == BodyCrc(e.body);
  }
  return e;
}

SimTranscriptEntry SimTranscriptEntry::Sending(const QByteArray& wire, const QString& note, const QByteArray& body,
                                               bool crcOk) {
  SimTranscriptEntry e;
  e.sent = true;
  e.kind = SimWireFrame::Data;
  e.wire = wire;
  e.body = body;
  e.crcOk = crcOk;
  e.note = note;
  return e;
}
