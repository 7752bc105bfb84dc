#include "model/EcrLayout.h"

#include "model/EcrErrors.h"
#include "model/tEcrFnct.h"
#include "platform/engine/TTable.h"

#include <cmath>
#include <utility>

namespace {
bool Named(const EcrColumn& column) { return column.coding != EcrCoding::Reserved; }
bool Dated(const EcrColumn& column) { return column.coding == EcrCoding::Date || column.coding == EcrCoding::Time; }

// raw / scale: a whole number stays one, so counts and sizes keep their integer type.
QVariant Scaled(qint64 raw, int scale) {
  if (scale == 1 || raw % scale == 0) {
    const qint64 whole = raw / scale;
    return whole == qint64(int(whole)) ? QVariant(int(whole)) : QVariant(whole);
  }
  return QVariant(double(raw) / scale);
}

qint64 Unscaled(const QVariant& value, int scale) {
  if (scale == 1) return value.toLongLong();
  return std::llround(value.toDouble() * scale);
}

QVariant Absent(const EcrColumn& column) {
  switch (column.coding) {
  case EcrCoding::Text:
  case EcrCoding::TermText: return QString();
  case EcrCoding::Bit: return false;
  case EcrCoding::Date:
  case EcrCoding::Time: return 0.0;
  default: return 0;
  }
}

void CheckByte(int at) {
  if (at < 0 || at >= kEcrBlockSize) throw ERangeError();
}
} // namespace

EcrLayout::EcrLayout(std::vector<int> recordSizes, std::vector<EcrColumn> columns)
    : recordSizes_(std::move(recordSizes)), columns_(std::move(columns)) {
  Check();
}

void EcrLayout::Check() const {
  for (int variant = 0; variant < VariantCount(); ++variant) {
    std::vector<bool> used(size_t(recordSizes_[size_t(variant)]), false);
    for (const EcrColumn& column : columns_) {
      const QString name = column.name ? QString::fromLatin1(column.name) : QStringLiteral("(reserved)");
      if (int(column.places.size()) != VariantCount())
        throw EAssertionFailed(QStringLiteral("Column %1 has %2 places for %3 layouts")
                                   .arg(name).arg(column.places.size()).arg(VariantCount()));
      if (Named(column) != (column.name != nullptr))
        throw EAssertionFailed(QStringLiteral("Column %1: only reserved bytes go without a name").arg(name));
      const EcrPlace& place = column.places[size_t(variant)];
      if (!place.Present()) continue;
      if (place.width <= 0 || place.offset + place.width > int(used.size()))
        throw EAssertionFailed(QStringLiteral("Column %1 leaves the %2-byte record of layout %3")
                                   .arg(name).arg(used.size()).arg(variant));
      for (int i = place.offset; i < place.offset + place.width; ++i) {
        if (used[size_t(i)] && column.coding != EcrCoding::Bit)
          throw EAssertionFailed(QStringLiteral("Column %1 overlaps byte %2 of layout %3").arg(name).arg(i).arg(variant));
        used[size_t(i)] = true;
      }
    }
  }
}

int EcrLayout::RecordSize(int variant) const {
  if (variant < 0 || variant >= VariantCount()) throw ERangeError();
  return recordSizes_[size_t(variant)];
}

QList<TFieldDef> EcrLayout::FieldDefs() const {
  QList<TFieldDef> defs;
  for (const EcrColumn& column : columns_)
    if (Named(column)) defs.append({QString::fromLatin1(column.name), column.type, column.size});
  return defs;
}

QVariant EcrLayout::DecodeColumn(tEcrFnct& codecs, const EcrColumn& column, const TEcrBlock& buffer, int at,
                                 int width) const {
  switch (column.coding) {
  case EcrCoding::Text: return codecs.DecodeText(buffer, at, width);
  case EcrCoding::TermText: {
    const QString text = codecs.DecodeText(buffer, at, width);
    return text.left(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
  }
  case EcrCoding::Bcd: return Scaled(codecs.DecodeBcd(buffer, at, width, false), column.scale);
  case EcrCoding::SignedBcd: return Scaled(codecs.DecodeBcd(buffer, at, width, true), column.scale);
  case EcrCoding::Bit: return codecs.GetBit(buffer, at, column.bit);
  case EcrCoding::Byte: CheckByte(at); return int(buffer[size_t(at)]);
  case EcrCoding::Date: return codecs.DecodeBcdDate(buffer, at, width, column.dateOrder).Days();
  case EcrCoding::Time: return codecs.DecodeBcdTime(buffer, at, width).Days();
  case EcrCoding::Totaliser:
    try {
      return Scaled(codecs.DecodeBcd(buffer, at, width, true), column.scale);
    } catch (const Exception&) {
      return column.type == TFieldType::Money ? qint64(999999999) : qint64(999999);
    }
  case EcrCoding::Reserved: break;
  }
  return {};
}

void EcrLayout::EncodeColumn(tEcrFnct& codecs, const EcrColumn& column, const QVariant& value, TEcrBlock& buffer,
                             int at, int width) const {
  switch (column.coding) {
  case EcrCoding::Text:
  case EcrCoding::TermText: codecs.EncodeText(buffer, at, width, value.toString()); break;
  case EcrCoding::Bcd: codecs.EncodeBcd(buffer, at, width, false, Unscaled(value, column.scale)); break;
  case EcrCoding::SignedBcd:
  case EcrCoding::Totaliser: codecs.EncodeBcd(buffer, at, width, true, Unscaled(value, column.scale)); break;
  case EcrCoding::Bit: codecs.SetBit(buffer, at, column.bit, value.toBool()); break;
  case EcrCoding::Byte:
    CheckByte(at);
    buffer[size_t(at)] = quint8(value.toInt());
    break;
  case EcrCoding::Date: codecs.EncodeBcdDate(buffer, at, width, column.dateOrder, TDateTime(value.toDouble())); break;
  case EcrCoding::Time: codecs.EncodeBcdTime(buffer, at, width, TDateTime(value.toDouble())); break;
  case EcrCoding::Reserved: break;
  }
}

EcrLayout::Values EcrLayout::Decode(tEcrFnct& codecs, const TEcrBlock& buffer, int position, int variant) const {
  RecordSize(variant);
  Values values;
  for (const EcrColumn& column : columns_) {
    if (!Named(column)) continue;
    const EcrPlace& place = column.places[size_t(variant)];
    values.append(place.Present() ? DecodeColumn(codecs, column, buffer, position + place.offset, place.width)
                                  : Absent(column));
  }
  return values;
}

void EcrLayout::Encode(tEcrFnct& codecs, const Values& values, TEcrBlock& buffer, int position, int variant) const {
  RecordSize(variant);
  qsizetype index = 0;
  for (const EcrColumn& column : columns_) {
    if (!Named(column)) continue;
    const QVariant& value = values.value(index++);
    const EcrPlace& place = column.places[size_t(variant)];
    if (place.Present()) EncodeColumn(codecs, column, value, buffer, position + place.offset, place.width);
  }
}

void EcrLayout::DecodeInto(TTable& table, tEcrFnct& codecs, const TEcrBlock& buffer, int position, int variant) const {
  const Values values = Decode(codecs, buffer, position, variant);
  qsizetype index = 0;
  for (const EcrColumn& column : columns_) {
    if (!Named(column)) continue;
    TField& field = table.FieldByName(QString::fromLatin1(column.name));
    const QVariant& value = values[index++];
    if (!column.places[size_t(variant)].Present()) continue; // the record has no such field: it stays empty
    if (Dated(column))
      field.SetAsDateTime(TDateTime(value.toDouble()));
    else
      field.SetValue(value);
  }
}

EcrLayout::Values EcrLayout::ReadRow(TTable& table) const {
  Values values;
  for (const EcrColumn& column : columns_) {
    if (!Named(column)) continue;
    const TField& field = table.FieldByName(QString::fromLatin1(column.name));
    values.append(Dated(column) ? QVariant(field.AsDateTime().Days()) : field.Value());
  }
  return values;
}
