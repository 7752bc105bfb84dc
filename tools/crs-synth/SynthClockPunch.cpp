#include "crs-synth/SynthClockPunch.h"

#include "crs-synth/SynthBcd.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRandom.h"

namespace {
qint64 Hhmm(int minutes) { return minutes / 60 * 100 + minutes % 60; }
int Minutes(qint64 hhmm) { return int(hhmm / 100 * 60 + hhmm % 100); }
} // namespace

SynthClockPunch SynthClockPunch::Generate(SynthRandom& random) {
  SynthClockPunch punch;
  punch.start = int(random.Below(24 * 60));
  punch.stop = int(random.Below(24 * 60));
  punch.onBreak = random.Below(2);
  punch.jobCode = int(random.Below(100));
  punch.unusedBits = quint8(random.Below(128));
  return punch;
}

void SynthClockPunch::Set(const QString& column, const QString& value) {
  using K = SynthValue::Kind;
  if (column == QLatin1String("Start Time")) {
    start = int(SynthValue::Parse(K::Time, value, column).number);
  } else if (column == QLatin1String("Stop Time")) {
    stop = int(SynthValue::Parse(K::Time, value, column).number);
  } else if (column == QLatin1String("Break")) {
    onBreak = SynthValue::Parse(K::Logical, value, column).number;
  } else if (column == QLatin1String("Job Code")) {
    const qint64 job = SynthValue::Parse(K::Integer, value, column).number;
    SynthBcd::Unsigned(job, 1);
    jobCode = int(job);
  } else {
    throw SynthValueError(QStringLiteral("No column \"%1\" in a clock punch").arg(column));
  }
}

QByteArray SynthClockPunch::Encode() const {
  QByteArray bytes = SynthBcd::Unsigned(Hhmm(start), 2) + SynthBcd::Unsigned(Hhmm(stop), 2);
  bytes.append(char(unusedBits << 1 | (onBreak ? 1 : 0)));
  bytes.append(SynthBcd::Unsigned(jobCode, 1));
  return bytes;
}

SynthClockPunch SynthClockPunch::Decode(const QByteArray& bytes, qsizetype at) {
  SynthClockPunch punch;
  punch.start = Minutes(SynthBcd::ReadUnsigned(bytes, at, 2));
  punch.stop = Minutes(SynthBcd::ReadUnsigned(bytes, at + 2, 2));
  punch.onBreak = quint8(bytes[at + 4]) & 1;
  punch.unusedBits = quint8(bytes[at + 4]) >> 1;
  punch.jobCode = int(SynthBcd::ReadUnsigned(bytes, at + 5, 1));
  return punch;
}

void SynthClockPunch::AddTimes(SynthRow& row) const {
  row.Add(QStringLiteral("Start Time"), SynthValue::Minutes(start));
  row.Add(QStringLiteral("Stop Time"), SynthValue::Minutes(stop));
  row.Add(QStringLiteral("Break"), SynthValue::Logical(onBreak));
}
