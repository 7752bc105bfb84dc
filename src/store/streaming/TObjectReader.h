#pragma once
// The filer reader of an object stream, shared by all nesting levels of one read. It reads
// the underlying memory stream from the position the read began at, and never past its
// end: a value that the stream ends before raises "Stream read error" before anything is
// allocated for it, a value of the wrong type "Invalid property value" (both EReadError).
#include "store/streaming/TValueType.h"

#include <QByteArray>
#include <QChar>
#include <QString>

class TMemoryStream;
class TObjectStream;

class TObjectReader {
public:
  TObjectReader(TObjectStream& owner, const TMemoryStream& source);
  TObjectReader(const TObjectReader&) = delete;
  TObjectReader& operator=(const TObjectReader&) = delete;

  TObjectStream& Owner() const { return owner_; }
  // Where the next value starts in the underlying stream.
  qint64 Position() const { return position_; }

  // Any of the 1-, 2- and 4-byte forms, sign-extended.
  qint32 ReadInteger();
  // Either string form, from Windows-1252 bytes.
  QString ReadString();
  // A string of exactly one character.
  QChar ReadChar();
  // True exactly when the type byte is the one for true.
  bool ReadBoolean();
  // An 80-bit extended value (rounded to the nearest double), or any integer form.
  double ReadFloat();
  // Raw bytes, without a type byte.
  void Read(void* buffer, qint64 count);
  QByteArray ReadBytes(qint64 count);
  void ReadListBegin();
  void ReadListEnd();
  // Whether the next type byte ends a list, without consuming it.
  bool EndOfList();
  // The next type byte, without consuming it.
  TValueType NextValue();

private:
  friend class TObjectStream;
  void SetPosition(qint64 position) { position_ = position; }
  void ReadSignature();
  quint16 ReadVersion();
  quint8 ReadValueType();
  // count bytes from the position on, moved past; "Stream read error" when fewer remain.
  const char* Take(qint64 count);
  qint32 ReadIntegerOf(quint8 type);

  TObjectStream& owner_;
  const TMemoryStream& source_;
  qint64 position_;
};
