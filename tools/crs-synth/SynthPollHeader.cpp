#include "crs-synth/SynthPollHeader.h"

#include "crs-synth/SynthBcd.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRandom.h"
#include "crs-synth/SynthText.h"

namespace {
int InRange(const QString& field, const QString& value, int low, int high) {
  bool ok = false;
  const int n = value.toInt(&ok);
  if (!ok || n < low || n > high)
    throw SynthValueError(QStringLiteral("%1 takes %2 to %3, not \"%4\"").arg(field).arg(low).arg(high).arg(value));
  return n;
}

QString AreaText(int byte) {
  return byte >= 1 && byte <= 3 ? QStringLiteral("AREA %1").arg(byte) : QStringLiteral("UNDEF");
}
} // namespace

SynthPollHeader SynthPollHeader::Generate(SynthRandom& random) {
  SynthPollHeader header;
  header.pollType = random.Below(2) ? QStringLiteral("X") : QStringLiteral("Z");
  header.areaByte = int(random.Below(5)); // 0 and 4 give "UNDEF"
  header.ecrDate = QDate(1990 + int(random.Below(100)), 1, 1).addDays(qint64(random.Below(365)));
  header.zCounter = random.Below(16) == 0 ? 65535 : qint64(random.Below(1999)) - 999;
  header.miscInfo1 = int(random.Below(10000));
  header.miscInfo2 = int(random.Below(256));
  header.miscInfo3 = int(random.Below(100));
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (QChar& c : header.miscData1) c = QLatin1Char(alphabet[random.Below(sizeof alphabet - 1)]);
  return header;
}

void SynthPollHeader::Set(const QString& field, const QString& value) {
  if (field == QLatin1String("Poll Type")) {
    if (value.size() != 1) throw SynthValueError(QStringLiteral("Poll Type takes one character"));
    pollType = value;
  } else if (field == QLatin1String("Polled Area")) {
    areaByte = InRange(field, value, 0, 255);
  } else if (field == QLatin1String("Ecr Date")) {
    const QDate date = QDate::fromString(value, Qt::ISODate);
    if (!date.isValid() || date.year() < 1990 || date.year() > 2089)
      throw SynthValueError(QStringLiteral("Ecr Date takes a date from 1990-01-01 to 2089-12-31, not \"%1\"").arg(value));
    ecrDate = date;
  } else if (field == QLatin1String("Z Counter")) {
    zCounter = value == QLatin1String("65535") ? 65535 : InRange(field, value, -999, 999);
  } else if (field == QLatin1String("Misc Info 1")) {
    miscInfo1 = InRange(field, value, 0, 9999);
  } else if (field == QLatin1String("Misc Info 2")) {
    miscInfo2 = InRange(field, value, 0, 255);
  } else if (field == QLatin1String("Misc Info 3")) {
    miscInfo3 = InRange(field, value, 0, 99);
  } else if (field == QLatin1String("Misc Data 1")) {
    if (value.size() != 24) throw SynthValueError(QStringLiteral("Misc Data 1 takes 24 characters"));
    miscData1 = value;
  } else {
    throw SynthValueError(QStringLiteral("The poll header has no field \"%1\"").arg(field));
  }
}

QByteArray SynthPollHeader::Data() const {
  QByteArray data;
  data.append('\0'); // offset 4: not read
  data.append(SynthText::Encode(pollType, 1));
  data.append(char(areaByte));
  data.append(SynthBcd::Unsigned(ecrDate.month(), 1));
  data.append(SynthBcd::Unsigned(ecrDate.day(), 1));
  data.append(SynthBcd::Unsigned(ecrDate.year() % 100, 1));
  data.append(SynthBcd::Signed(zCounter, 2));
  data.append(SynthBcd::Unsigned(miscInfo1, 2));
  data.append(char(miscInfo2));
  data.append(SynthBcd::Unsigned(miscInfo3, 1));
  data.append(SynthText::Encode(miscData1, 24));
  return data;
}

SynthRow SynthPollHeader::Row() const {
  SynthRow row;
  row.Add(QStringLiteral("Ecr Date"), SynthValue::Text(ecrDate.toString(Qt::ISODate)));
  row.Add(QStringLiteral("Poll Type"), SynthValue::Text(pollType));
  row.Add(QStringLiteral("Polled Area"), SynthValue::Text(AreaText(areaByte)));
  row.Add(QStringLiteral("Z Counter"), SynthValue::Integer(zCounter));
  row.Add(QStringLiteral("Misc Info 1"), SynthValue::Integer(miscInfo1));
  row.Add(QStringLiteral("Misc Info 2"), SynthValue::Integer(miscInfo2));
  row.Add(QStringLiteral("Misc Info 3"), SynthValue::Integer(miscInfo3));
  row.Add(QStringLiteral("Misc Data 1"), SynthValue::Text(miscData1));
  return row;
}

SynthPollHeader SynthPollHeader::Decode(const QByteArray& data) {
  if (data.size() < kDataBytes) throw SynthFileError(QStringLiteral("The poll header holds %1 bytes").arg(data.size()));
  SynthPollHeader header;
  header.pollType = SynthText::Decode(data, 1, 1);
  header.areaByte = quint8(data[2]);
  const int year = int(SynthBcd::ReadUnsigned(data, 5, 1));
  header.ecrDate = QDate(year >= 90 ? 1900 + year : 2000 + year, int(SynthBcd::ReadUnsigned(data, 3, 1)),
                         int(SynthBcd::ReadUnsigned(data, 4, 1)));
  header.zCounter = SynthBcd::ReadSigned(data, 6, 2);
  header.miscInfo1 = int(SynthBcd::ReadUnsigned(data, 8, 2));
  header.miscInfo2 = quint8(data[10]);
  header.miscInfo3 = int(SynthBcd::ReadUnsigned(data, 11, 1));
  header.miscData1 = SynthText::Decode(data, 12, 24);
  return header;
}
