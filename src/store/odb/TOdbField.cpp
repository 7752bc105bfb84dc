#include "store/odb/TOdbField.h"

#include "platform/sys/Cp1252.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/CompareRoutines.h"
#include "store/containers/ContainerItems.h"
#include "store/streaming/Extended80.h"
#include "store/odb/OdbErrors.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"
#include "store/containers/TUnorderedList.h"

#include <QtEndian>

TB_DEFINE_CLASS(TOdbField, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TOdbField::StaticClass(), {&TOdbField::ReadField}, {&TOdbField::WriteField});
  RegisterCompareFunc(QStringLiteral("CompareOdbField"), CompareOdbField);
  return true;
}();

constexpr int kFloatSize = 10;
constexpr int kIntegerSize = 4;
constexpr int kMaxStringSize = 255;

int SizeOf(TOdbFieldType type, int givenSize) {
  switch (type) {
  case TOdbFieldType::String: return givenSize;
  case TOdbFieldType::Float: return kFloatSize;
  case TOdbFieldType::Integer:
  case TOdbFieldType::Counter: return kIntegerSize;
  }
  return givenSize;
}

bool IsInteger(TOdbFieldType type) { return type == TOdbFieldType::Integer || type == TOdbFieldType::Counter; }

bool Comparable(TOdbFieldType a, TOdbFieldType b) { return a == b || (IsInteger(a) && IsInteger(b)); }
} // namespace

TOdbField::TOdbField(const QString& name, TOdbFieldType type, int size) : name_(name), type_(type) {
  const int bytes = SizeOf(type, size);
  // A string field holds its length byte and up to 255 - 1 characters.
  if (bytes < 1 || bytes > kMaxStringSize) OdbError<EOdbInvalidFieldType>(name);
  value_ = QByteArray(bytes, '\0');
}

void TOdbField::CheckType(bool ok) const {
  if (!ok) OdbError<EOdbInvalidFieldType>();
}

QString TOdbField::GetAsString() const {
  CheckType(type_ == TOdbFieldType::String);
  const int length = qMin<int>(quint8(value_[0]), Size() - 1);
  return Cp1252::Decode(value_.constData() + 1, length);
}

void TOdbField::SetAsString(const QString& value) {
  CheckType(type_ == TOdbFieldType::String);
  const QByteArray bytes = Cp1252::Encode(value).left(Size() - 1);
  value_.fill('\0');
  value_[0] = char(bytes.size());
  value_.replace(1, bytes.size(), bytes);
}

double TOdbField::GetAsFloat() const {
  CheckType(type_ == TOdbFieldType::Float);
  return Extended80::Decode(value_.constData());
}

void TOdbField::SetAsFloat(double value) {
  CheckType(type_ == TOdbFieldType::Float);
  Extended80::Encode(value, value_.data());
}

qint32 TOdbField::GetAsInteger() const {
  CheckType(IsInteger(type_));
  return qFromLittleEndian<qint32>(value_.constData());
}

void TOdbField::SetAsInteger(qint32 value) {
  CheckType(IsInteger(type_));
  qToLittleEndian<qint32>(value, value_.data());
}

bool TOdbField::SameValue(const TOdbField& other) const {
  if (!Comparable(type_, other.type_)) OdbError<EOdbFieldsNotComparable>();
  switch (type_) {
  case TOdbFieldType::String: return GetAsString() == other.GetAsString();
  case TOdbFieldType::Float: return GetAsFloat() == other.GetAsFloat();
  case TOdbFieldType::Integer:
  case TOdbFieldType::Counter: return GetAsInteger() == other.GetAsInteger();
  }
  OdbError<EOdbFieldTypeNotSupported>();
}

void TOdbField::ReadField(TObject& obj, TObjectReader& reader) {
  auto& field = static_cast<TOdbField&>(obj);
  field.name_ = reader.ReadString();
  const qint32 type = reader.ReadInteger();
  if (type < 0 || type >= OdbFieldTypeCount) ReadErrors::InvalidPropertyValue();
  field.type_ = TOdbFieldType(type);
  const qint32 size = reader.ReadInteger();
  if (size != SizeOf(field.type_, size) || size < 1 || size > kMaxStringSize) ReadErrors::InvalidPropertyValue();
  field.value_ = reader.ReadBytes(size);
}

void TOdbField::WriteField(const TObject& obj, TObjectWriter& writer) {
  const auto& field = static_cast<const TOdbField&>(obj);
  writer.WriteString(field.name_);
  writer.WriteInteger(qint32(field.type_));
  writer.WriteInteger(field.Size());
  writer.Write(field.value_.constData(), field.value_.size());
}

quint8 CompareOdbField(const TObject& first, const TObject& second) {
  return CompareTextNoCase(ItemAs<TOdbField>(first).Name(), ItemAs<TOdbField>(second).Name());
}

QList<TOdbField*> OdbFieldsOf(const TUnorderedList& fields) { return ItemsOf<TOdbField>(fields); }

TOdbField& FindOdbField(const QString& name, const TUnorderedList& fields) {
  for (TOdbField* field : OdbFieldsOf(fields))
    if (field->Name().compare(name, Qt::CaseInsensitive) == 0) return *field;
  OdbError<EOdbFieldDoesNotExist>(name);
}
