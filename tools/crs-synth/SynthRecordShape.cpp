#include "crs-synth/SynthRecordShape.h"

#include "crs-synth/SynthBcd.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRandom.h"
#include "crs-synth/SynthValue.h"

#include <QRegularExpression>

SynthRecordShape::SynthRecordShape(int size, QList<SynthField> fields)
    : size_(size), fields_(std::move(fields)), held_(size, false) {
  for (const SynthField& field : fields_)
    for (int i = field.offset; i < field.offset + field.width; ++i) {
      if (i >= size_ || held_[i]) throw SynthError(QStringLiteral("Field \"%1\" overlaps or leaves the record").arg(field.name));
      held_[i] = true;
    }
}

const SynthField& SynthRecordShape::Field(const QString& name) const {
  for (const SynthField& field : fields_)
    if (field.name == name) return field;
  throw SynthValueError(QStringLiteral("No column \"%1\" in this record").arg(name));
}

SynthRecordShape::Record SynthRecordShape::Generate(SynthRandom& random) const {
  Record record;
  for (const SynthField& field : fields_) {
    const int digits = std::min(field.digits, field.isSigned ? 2 * field.width - 1 : 2 * field.width);
    record.insert(field.name, field.isSigned ? random.SignedValue(digits) : random.UnsignedValue(digits));
  }
  return record;
}

void SynthRecordShape::Set(Record& record, const QString& name, const QString& value) const {
  const SynthField& field = Field(name);
  qint64 raw = 0;
  if (field.kind == SynthField::Kind::Integer) {
    raw = SynthValue::Parse(SynthValue::Kind::Integer, value, name).number;
  } else if (field.kind == SynthField::Kind::Cents) {
    raw = SynthValue::Parse(SynthValue::Kind::Money, value, name).number;
  } else {
    static const QRegularExpression hours(QStringLiteral("^(\\d{1,7})(?:\\.(\\d{1,3}))?$"));
    const QRegularExpressionMatch m = hours.match(value);
    if (!m.hasMatch()) throw SynthValueError(QStringLiteral("%1 takes hours such as 102.505, not \"%2\"").arg(name, value));
    raw = m.captured(1).toLongLong() * 1000 + m.captured(2).leftJustified(3, QLatin1Char('0')).toLongLong();
  }
  if (field.isSigned)
    SynthBcd::Signed(raw, field.width); // refuses what the field cannot hold
  else
    SynthBcd::Unsigned(raw, field.width);
  record.insert(name, raw);
}

QByteArray SynthRecordShape::Encode(const Record& record, SynthRandom& random) const {
  QByteArray bytes(size_, '\0');
  for (const SynthField& field : fields_) {
    const qint64 raw = record.value(field.name);
    bytes.replace(field.offset, field.width,
                  field.isSigned ? SynthBcd::Signed(raw, field.width) : SynthBcd::Unsigned(raw, field.width));
  }
  for (int i = 0; i < size_; ++i)
    if (!held_[i]) bytes[i] = char(1 + random.Below(255));
  return bytes;
}

SynthRecordShape::Record SynthRecordShape::Decode(const QByteArray& bytes, qsizetype at) const {
  Record record;
  for (const SynthField& field : fields_)
    record.insert(field.name, field.isSigned ? SynthBcd::ReadSigned(bytes, at + field.offset, field.width)
                                             : SynthBcd::ReadUnsigned(bytes, at + field.offset, field.width));
  return record;
}

SynthValue SynthRecordShape::Stored(const SynthField& field, qint64 raw) {
  switch (field.kind) {
  case SynthField::Kind::Integer: return SynthValue::Integer(raw);
  case SynthField::Kind::Cents: return SynthValue::Cents(raw);
  case SynthField::Kind::Thousandths: break;
  }
  // Shortest decimal text: 2.505, 2.5, 0, -99.95.
  const qint64 magnitude = raw < 0 ? -raw : raw;
  QString text = QString::number(magnitude / 1000);
  if (const qint64 fraction = magnitude % 1000) {
    QString digits = QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    text += QLatin1Char('.') + digits;
  }
  return SynthValue::Text(raw < 0 ? QLatin1Char('-') + text : text);
}
