#pragma once
// One open order of the open-order reports. Tracks 1 and 2: the tracking number (text of
// 7 characters, 8 from ROM version 4, when every later field lies one byte further on),
// the order number (unsigned BCD, 4 digits), the cashier (12 characters), the time (BCD
// HHMM) and the balance (signed BCD, 6 bytes, cents): 29 or 30 bytes. Track 3: the check
// number (7 characters of digits, or blanks), the table number (4), cashier, time and
// balance: 31 bytes.
#include "crs-synth/SynthRow.h"

#include <QByteArray>

class SynthRandom;

struct SynthOpenOrder {
  enum class Shape { Track12, Track12V4, Track3 };

  QString tracking;
  qint64 check = -1; // -1: a blank check text, which stores no number
  qint64 table = 0;
  int order = 0;
  QString cashier;
  int time = 0; // minutes after midnight
  qint64 balance = 0; // cents

  static int Size(Shape shape);
  // Tracking numbers are often blank or shared by several orders.
  static SynthOpenOrder Generate(SynthRandom& random, Shape shape);
  // "Tracking Number", "Check", "Table" (blank: ""), "Order", "Cashier", "Time", "Balance";
  // throws SynthValueError for another column or a value its field cannot hold.
  void Set(const QString& column, const QString& value, Shape shape);
  QByteArray Encode(Shape shape) const;
  static SynthOpenOrder Decode(const QByteArray& bytes, qsizetype at, Shape shape);
  // The row in table order: tracks 1 and 2 "Tracking Number", "Track", "Memory Number",
  // then the rest; track 3 "Memory Number", "Check", "Table", then the rest.
  SynthRow Row(Shape shape, int track, int number) const;
};
