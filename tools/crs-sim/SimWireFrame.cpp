#include "crs-sim/SimWireFrame.h"

QString SimWireFrame::KindName(Kind kind) {
  switch (kind) {
  case Ack: return QStringLiteral("ACK");
  case Nak: return QStringLiteral("NAK");
  case Eot: return QStringLiteral("EOT");
  case Data: return QStringLiteral("DATA");
  case Noise: break;
  }
  return QStringLiteral("NOISE");
}
