#pragma once
// One punch slot of the clock punches report, 6 bytes: start and stop time (unsigned BCD
// HHMM), a byte whose bit 0 is the break flag (the other bits are not used: the synthesiser
// sets them at random), and the job code (unsigned BCD, two digits).
#include "crs-synth/SynthRow.h"

#include <QByteArray>

class SynthRandom;

struct SynthClockPunch {
  static constexpr int kSize = 6;
  int start = 0; // minutes after midnight
  int stop = 0;
  bool onBreak = false;
  int jobCode = 0; // 0 to 99
  quint8 unusedBits = 0; // bits 1 to 7 of the break byte, as 0 to 127

  static SynthClockPunch Generate(SynthRandom& random);
  // "Start Time"/"Stop Time" (HH:MM), "Break" (true/false), "Job Code"; throws SynthValueError.
  void Set(const QString& column, const QString& value);
  QByteArray Encode() const;
  static SynthClockPunch Decode(const QByteArray& bytes, qsizetype at);
  // The columns after the employee's number, job code and sequence, name and job name.
  void AddTimes(SynthRow& row) const;
};
