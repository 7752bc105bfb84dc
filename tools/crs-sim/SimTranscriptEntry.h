#pragma once
// One line of the simulator's transcript: a frame it received or sent, with the times its
// first and last byte were read or written (microseconds since the simulator started) and
// what the frame meant to the register.
#include "crs-sim/SimWireFrame.h"

#include <QByteArray>
#include <QString>

struct SimTranscriptEntry {
  int index = 0;
  bool sent = false;
  SimWireFrame::Kind kind = SimWireFrame::Noise;
  QByteArray wire; // as on the line
  QByteArray body; // data frames: the body with its doubling removed
  bool crcOk = true;
  qint64 startUs = -1; // a sent frame: -1 until its first byte went out
  qint64 endUs = -1;   // a sent frame: -1 until its last byte went out
  QString note;

  bool IsWritten() const { return !sent || endUs >= 0; }
  // "     0.012345 in   DATA  10 02 ...  E0 program receive 14, ..."
  QString Format() const;
  static SimTranscriptEntry Received(const SimWireFrame& frame);
  // A frame the register is about to send; its kind and body come from its bytes.
  static SimTranscriptEntry Sending(const QByteArray& wire, const QString& note);
  // The same for a frame whose body and CRC verdict the register already knows.
  static SimTranscriptEntry Sending(const QByteArray& wire, const QString& note, const QByteArray& body, bool crcOk);
};
