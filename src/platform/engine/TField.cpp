#include "platform/engine/TField.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/FieldText.h"
#include "platform/engine/FieldValue.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"

#include <QIODevice>
#include <cmath>

TField::TField(TTable& table, int index) : table_(table), index_(index) {}

const TFieldDef& TField::Def() const { return table_.Structure().fields[index_]; }

const QVariant& TField::Stored() const { return table_.FieldBuffer(index_); }

void TField::Store(const QVariant& value) { table_.SetFieldBuffer(index_, FieldValue::Stored(Def(), value)); }

bool TField::IsNull() const {
  const QVariant& v = Stored();
  return !v.isValid() || v.isNull();
}

QVariant TField::Value() const {
  if (IsNull()) return QVariant();
  if (DataType() == TFieldType::Logical) return Stored().toLongLong() != 0;
  return Stored();
}

QString TField::AsString() const { return FieldText::Format(Def(), Stored()); }

qint64 TField::AsInteger() const {
  if (IsNull()) return 0;
  switch (FieldTypeInfo(DataType()).storage) {
  case TFieldStorage::Integer: return Stored().toLongLong();
  case TFieldStorage::Real: return std::llround(Stored().toDouble());
  default: return FieldValue::FromText({FieldName(), TFieldType::Long, 0}, Stored().toString()).toLongLong();
  }
}

double TField::AsFloat() const {
  if (IsNull()) return 0.0;
  if (FieldTypeInfo(DataType()).storage == TFieldStorage::Text)
    return FieldValue::FromText({FieldName(), TFieldType::Number, 0}, Stored().toString()).toDouble();
  return Stored().toDouble();
}

bool TField::AsBoolean() const {
  if (IsNull()) return false;
  if (FieldTypeInfo(DataType()).storage == TFieldStorage::Text)
    return FieldValue::FromText({FieldName(), TFieldType::Logical, 0}, Stored().toString()).toLongLong() != 0;
  return Stored().toDouble() != 0.0;
}

TDateTime TField::AsDateTime() const { return TDateTime(AsFloat()); }

qint64 TField::AsMoney() const { return std::llround(AsFloat() * 100.0); }

QByteArray TField::AsBytes() const {
  if (IsNull()) return QByteArray();
  if (FieldTypeInfo(DataType()).storage == TFieldStorage::Bytes) return Stored().toByteArray();
  return Cp1252::Encode(AsString());
}

void TField::SetValue(const QVariant& value) { Store(value); }

void TField::SetAsString(const QString& text) { table_.SetFieldBuffer(index_, FieldValue::FromText(Def(), text)); }

void TField::SetAsInteger(qint64 value) { table_.SetFieldBuffer(index_, FieldValue::FromInteger(Def(), value)); }

void TField::SetAsFloat(double value) { table_.SetFieldBuffer(index_, FieldValue::FromDouble(Def(), value)); }

void TField::SetAsBoolean(bool value) { SetAsInteger(value ? 1 : 0); }

void TField::SetAsDateTime(TDateTime value) { SetAsFloat(value.Days()); }

void TField::SetAsMoney(qint64 hundredths) { SetAsFloat(static_cast<double>(hundredths) / 100.0); }

void TField::SetAsBytes(const QByteArray& bytes) { Store(bytes); }

void TField::Clear() { table_.SetFieldBuffer(index_, QVariant()); }

void TField::LoadFromStream(QIODevice& stream) { SetAsBytes(stream.readAll()); }

void TField::SaveToStream(QIODevice& stream) const {
  const QByteArray bytes = AsBytes();
  if (stream.write(bytes) != bytes.size())
    throw EDBEngineError(EngineError::OsError, QStringLiteral("Field '%1' could not be written to its stream").arg(FieldName()));
}
