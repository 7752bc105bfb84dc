#pragma once
// The filer writer of an object stream, shared by all nesting levels of one write. Values
// are little-endian, each typed value after its type byte (TValueType). What is written
// reaches the underlying memory stream only when the outermost object is complete, so an
// object that fails to write leaves the stream as it was.
#include <QByteArray>
#include <QChar>
#include <QString>

class TObjectStream;

class TObjectWriter {
public:
  explicit TObjectWriter(TObjectStream& owner) : owner_(owner) {}
  TObjectWriter(const TObjectWriter&) = delete;
  TObjectWriter& operator=(const TObjectWriter&) = delete;

  TObjectStream& Owner() const { return owner_; }

  // The shortest of the 1-, 2- and 4-byte forms that holds the value.
  void WriteInteger(qint32 value);
  // Windows-1252 bytes: the 1-byte length form below 256 bytes, else the 4-byte one.
  void WriteString(const QString& value);
  // A string of one character.
  void WriteChar(QChar value);
  void WriteBoolean(bool value);
  // As an 80-bit extended value, exactly.
  void WriteFloat(double value);
  // Raw bytes, without a type byte.
  void Write(const void* buffer, qint64 count);
  void WriteListBegin();
  void WriteListEnd();

private:
  friend class TObjectStream;
  void WriteValueType(quint8 type);
  void WriteSignature();
  void WriteVersion(quint16 version);

  TObjectStream& owner_;
  QByteArray buffer_; // the bytes of the write in progress
};
