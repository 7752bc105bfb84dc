#pragma once
// One frame as it came off the line.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct SimWireFrame {
  enum Kind { Ack, Nak, Eot, Data, Noise };
  Kind kind = Noise;
  QByteArray wire;       // the bytes exactly as received
  QByteArray body;       // data frames: the body with its doubling removed
  bool crcOk = false;    // data frames: the CRC matched the body
  bool malformed = false; // data frames: a 0x10 inside the body was followed by neither 0x10 nor ETX
  qint64 startUs = 0;    // when the first and the last byte were read
  qint64 endUs = 0;

  static QString KindName(Kind kind);
};
