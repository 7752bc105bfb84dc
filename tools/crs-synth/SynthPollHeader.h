#pragma once
// The poll header, block 1 of every answer: the register's poll type, area, date, Z counter
// and miscellaneous fields, and the AllPolls values a decoder must make of them.
#include "crs-synth/SynthRow.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class SynthRandom;

struct SynthPollHeader {
  static constexpr int kDataBytes = 36; // offsets 4 to 39 of the stored block

  QString pollType = QStringLiteral("X"); // one character
  int areaByte = 1; // 1, 2, 3 name an area; any other byte is "UNDEF"
  QDate ecrDate{2026, 1, 1}; // 1990 to 2089 (two-digit year)
  qint64 zCounter = 0; // -999 to 999, or 65535 (FF FF)
  int miscInfo1 = 0; // 0 to 9999
  int miscInfo2 = 0; // 0 to 255
  int miscInfo3 = 0; // 0 to 99
  QString miscData1 = QString(24, QLatin1Char('0')); // 24 characters

  static SynthPollHeader Generate(SynthRandom& random);
  // Sets a field by its AllPolls name ("Polled Area" takes the area byte, "Ecr Date"
  // YYYY-MM-DD); throws SynthValueError for an unknown name or a value out of range.
  void Set(const QString& field, const QString& value);
  QByteArray Data() const;
  // Reads the header data back (offsets from the block's first data byte).
  static SynthPollHeader Decode(const QByteArray& data); // throws SynthValueError for a value its field cannot hold
  SynthRow Row() const; // the AllPolls values, in the table's order
};
