#include "platform/engine/FieldValue.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/FieldText.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/TDateTime.h"

#include <cmath>

namespace {
[[noreturn]] void Raise(int code, const TFieldDef& field, const QVariant& value) {
  throw EDBEngineError(code, QStringLiteral("'%1' for field '%2'").arg(value.toString(), field.name));
}

bool IsNumber(const QVariant& v) {
  switch (v.typeId()) {
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong:
  case QMetaType::Long:
  case QMetaType::ULong:
  case QMetaType::Short:
  case QMetaType::UShort:
  case QMetaType::Char:
  case QMetaType::SChar:
  case QMetaType::UChar:
  case QMetaType::Double:
  case QMetaType::Float:
  case QMetaType::Bool: return true;
  default: return false;
  }
}

std::optional<double> Days(const QVariant& v) {
  switch (v.typeId()) {
  case QMetaType::QDate: return TDateTime::FromDate(v.toDate()).Days();
  case QMetaType::QTime: return TDateTime::FromTime(v.toTime()).Days();
  case QMetaType::QDateTime: return TDateTime::FromQDateTime(v.toDateTime()).Days();
  default: return std::nullopt;
  }
}

// A name must not carry a zero into exports and listings: an alpha text ends there.
QVariant CutText(const TFieldDef& field, QString text) {
  if (field.type != TFieldType::Alpha) return text;
  if (!field.keepsEveryByte) {
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0) text.truncate(zero);
  }
  if (text.size() > field.size) text.truncate(field.size);
  return text;
}

QVariant AsText(const TFieldDef& field, const QVariant& v) {
  if (v.typeId() == QMetaType::QByteArray) return CutText(field, Cp1252::Decode(v.toByteArray()));
  if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) return CutText(field, FieldText::Number(v.toDouble()));
  return CutText(field, v.toString());
}

QVariant CheckedInteger(const TFieldDef& field, qint64 value, const QVariant& given) {
  if (field.type == TFieldType::Logical) return qlonglong(value != 0 ? 1 : 0);
  if (field.type == TFieldType::Short && (value < -32768 || value > 32767)) Raise(EngineError::ValueOutOfRange, field, given);
  return qlonglong(value);
}

QVariant AsInteger(const TFieldDef& field, const QVariant& v) {
  if (v.typeId() == QMetaType::QString) return FieldValue::FromText(field, v.toString());
  if (!IsNumber(v)) Raise(EngineError::InvalidValue, field, v);
  if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) return FieldValue::FromDouble(field, v.toDouble());
  return CheckedInteger(field, v.toLongLong(), v);
}

double DayPart(TFieldType type, double days) {
  if (type == TFieldType::Date) return std::trunc(days);
  if (type == TFieldType::Time) return std::fabs(days - std::trunc(days));
  return days;
}

QVariant CheckedReal(const TFieldDef& field, double value) {
  if (!std::isfinite(value)) Raise(EngineError::ValueOutOfRange, field, value);
  return DayPart(field.type, value);
}

QVariant AsReal(const TFieldDef& field, const QVariant& v) {
  if (v.typeId() == QMetaType::QString) return FieldValue::FromText(field, v.toString());
  if (const std::optional<double> days = Days(v)) return CheckedReal(field, *days);
  if (!IsNumber(v)) Raise(EngineError::InvalidValue, field, v);
  return CheckedReal(field, v.toDouble());
}

QVariant AsBytes(const TFieldDef& field, const QVariant& v) {
  QByteArray bytes = v.typeId() == QMetaType::QString ? v.toString().toLatin1() : v.toByteArray();
  if (field.type == TFieldType::Bytes && bytes.size() > field.size) bytes.truncate(field.size);
  return bytes;
}
} // namespace

QVariant FieldValue::FromInteger(const TFieldDef& field, qint64 value) {
  switch (FieldTypeInfo(field.type).storage) {
  case TFieldStorage::Integer: return CheckedInteger(field, value, qlonglong(value));
  case TFieldStorage::Real: return CheckedReal(field, static_cast<double>(value));
  default: return Stored(field, qlonglong(value));
  }
}

QVariant FieldValue::FromDouble(const TFieldDef& field, double value) {
  switch (FieldTypeInfo(field.type).storage) {
  case TFieldStorage::Real: return CheckedReal(field, value);
  case TFieldStorage::Integer:
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) Raise(EngineError::ValueOutOfRange, field, value);
    return CheckedInteger(field, std::llround(value), value);
  default: return Stored(field, value);
  }
}

QVariant FieldValue::FromText(const TFieldDef& field, const QString& text) {
  switch (FieldTypeInfo(field.type).storage) {
  case TFieldStorage::Text: return CutText(field, text);
  case TFieldStorage::Bytes: return AsBytes(field, text);
  default: {
    const QVariant parsed = FieldText::Parse(field, text);
    return parsed.isValid() ? Stored(field, parsed) : QVariant();
  }
  }
}

QVariant FieldValue::Stored(const TFieldDef& field, const QVariant& value) {
  if (!value.isValid() || value.isNull()) return QVariant();
  switch (FieldTypeInfo(field.type).storage) {
  case TFieldStorage::Text: return AsText(field, value);
  case TFieldStorage::Integer: return AsInteger(field, value);
  case TFieldStorage::Real: return AsReal(field, value);
  case TFieldStorage::Bytes: return AsBytes(field, value);
  }
  return QVariant();
}
