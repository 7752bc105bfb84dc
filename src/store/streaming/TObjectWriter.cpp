#include "store/streaming/TObjectWriter.h"

#include "platform/sys/Cp1252.h"
#include "store/streaming/Extended80.h"
#include "store/streaming/ObjectSignature.h"
#include "store/streaming/TValueType.h"

namespace {
// Appends with the capacity doubled whenever it runs out, so that writing a large object
// piece by piece costs linear time.
void Append(QByteArray& out, const char* data, qsizetype count) {
  const qsizetype end = out.size() + count;
  if (end > out.capacity()) out.reserve(qMax(qMax<qsizetype>(end, 256), 2 * out.capacity()));
  out.append(data, count);
}

template <class T> void AppendLittleEndian(QByteArray& out, T value) {
  char bytes[sizeof(T)];
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = char(quint8(quint64(value) >> (8 * i)));
  Append(out, bytes, sizeof(T));
}
} // namespace

void TObjectWriter::WriteValueType(quint8 type) { AppendLittleEndian(buffer_, type); }

void TObjectWriter::WriteInteger(qint32 value) {
  if (value >= -128 && value <= 127) {
    WriteValueType(quint8(TValueType::Int8));
    AppendLittleEndian(buffer_, qint8(value));
  } else if (value >= -32768 && value <= 32767) {
    WriteValueType(quint8(TValueType::Int16));
    AppendLittleEndian(buffer_, qint16(value));
  } else {
    WriteValueType(quint8(TValueType::Int32));
    AppendLittleEndian(buffer_, value);
  }
}

void TObjectWriter::WriteString(const QString& value) {
  const QByteArray bytes = Cp1252::Encode(value);
  if (bytes.size() < 256) {
    WriteValueType(quint8(TValueType::String));
    AppendLittleEndian(buffer_, quint8(bytes.size()));
  } else {
    WriteValueType(quint8(TValueType::LongString));
    AppendLittleEndian(buffer_, quint32(bytes.size()));
  }
  Append(buffer_, bytes.constData(), bytes.size());
}

void TObjectWriter::WriteChar(QChar value) { WriteString(QString(value)); }

void TObjectWriter::WriteBoolean(bool value) {
  WriteValueType(quint8(value ? TValueType::True : TValueType::False));
}

void TObjectWriter::WriteFloat(double value) {
  WriteValueType(quint8(TValueType::Float));
  const Extended80::TBytes bytes = Extended80::FromDouble(value);
  Append(buffer_, reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void TObjectWriter::Write(const void* buffer, qint64 count) {
  if (count > 0) Append(buffer_, static_cast<const char*>(buffer), count);
}

void TObjectWriter::WriteListBegin() { WriteValueType(quint8(TValueType::ListBegin)); }

void TObjectWriter::WriteListEnd() { WriteValueType(quint8(TValueType::EndOfList)); }

void TObjectWriter::WriteSignature() { Append(buffer_, ObjectSignature::Signature, 4); }

void TObjectWriter::WriteVersion(quint16 version) { AppendLittleEndian(buffer_, version); }
