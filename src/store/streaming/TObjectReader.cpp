#include "store/streaming/TObjectReader.h"

#include "platform/sys/Cp1252.h"
#include "store/streaming/Extended80.h"
#include "store/streaming/ObjectSignature.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/TMemoryStream.h"

#include <cstring>

namespace {
template <class T> T LittleEndian(const char* p) {
  quint64 bits = 0;
  for (size_t i = 0; i < sizeof(T); ++i) bits |= quint64(quint8(p[i])) << (8 * i);
  return T(bits);
}

bool IsInteger(quint8 type) {
  return type == quint8(TValueType::Int8) || type == quint8(TValueType::Int16) ||
         type == quint8(TValueType::Int32);
}
} // namespace

TObjectReader::TObjectReader(TObjectStream& owner, const TMemoryStream& source)
    : owner_(owner), source_(source), position_(source.Position()) {}

const char* TObjectReader::Take(qint64 count) {
  const qint64 remaining = source_.Size() - position_;
  if (count < 0 || remaining < 0 || count > remaining) ReadErrors::StreamReadError();
  const char* p = source_.Bytes().constData() + position_;
  position_ += count;
  return p;
}

quint8 TObjectReader::ReadValueType() { return quint8(*Take(1)); }

qint32 TObjectReader::ReadIntegerOf(quint8 type) {
  switch (TValueType(type)) {
  case TValueType::Int8: return qint8(*Take(1));
  case TValueType::Int16: return LittleEndian<qint16>(Take(2));
  case TValueType::Int32: return LittleEndian<qint32>(Take(4));
  default: ReadErrors::InvalidPropertyValue();
  }
}

qint32 TObjectReader::ReadInteger() { return ReadIntegerOf(ReadValueType()); }

QString TObjectReader::ReadString() {
  const quint8 type = ReadValueType();
  qint64 length = 0;
  if (type == quint8(TValueType::String))
    length = quint8(*Take(1));
  else if (type == quint8(TValueType::LongString))
    length = LittleEndian<quint32>(Take(4));
  else
    ReadErrors::InvalidPropertyValue();
  return Cp1252::Decode(Take(length), length);
}

QChar TObjectReader::ReadChar() {
  if (ReadValueType() != quint8(TValueType::String) || quint8(*Take(1)) != 1)
    ReadErrors::InvalidPropertyValue();
  return Cp1252::ToChar(quint8(*Take(1)));
}

bool TObjectReader::ReadBoolean() { return ReadValueType() == quint8(TValueType::True); }

double TObjectReader::ReadFloat() {
  const quint8 type = ReadValueType();
  if (type == quint8(TValueType::Float)) return Extended80::Decode(Take(10));
  if (IsInteger(type)) return ReadIntegerOf(type);
  ReadErrors::InvalidPropertyValue();
}

void TObjectReader::Read(void* buffer, qint64 count) {
  const char* p = Take(count);
  if (count > 0) std::memcpy(buffer, p, size_t(count));
}

QByteArray TObjectReader::ReadBytes(qint64 count) {
  const char* p = Take(count);
  return QByteArray(p, count);
}

void TObjectReader::ReadListBegin() {
  if (ReadValueType() != quint8(TValueType::ListBegin)) ReadErrors::InvalidPropertyValue();
}

void TObjectReader::ReadListEnd() {
  if (ReadValueType() != quint8(TValueType::EndOfList)) ReadErrors::InvalidPropertyValue();
}

bool TObjectReader::EndOfList() { return NextValue() == TValueType::EndOfList; }

TValueType TObjectReader::NextValue() {
  const TValueType type = TValueType(ReadValueType());
  --position_;
  return type;
}

void TObjectReader::ReadSignature() {
  if (std::memcmp(Take(4), ObjectSignature::Signature, 4) != 0) ReadErrors::InvalidStreamFormat();
}

quint16 TObjectReader::ReadVersion() { return LittleEndian<quint16>(Take(2)); }
