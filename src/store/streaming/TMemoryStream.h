#pragma once
// A stream of bytes in memory with a position: the store under every object stream, and a
// streamable class of its own (its size, then its whole content).
#include "platform/sys/TObject.h"

#include <QByteArray>

class TObjectReader;
class TObjectWriter;

class TMemoryStream : public TObject {
  TB_OBJECT(TMemoryStream)
public:
  TMemoryStream() = default;
  // A stream holding the bytes, positioned at 0.
  explicit TMemoryStream(const QByteArray& bytes) : data_(bytes) {}
  explicit TMemoryStream(TBlank blank) : TObject(blank) {}

  const QByteArray& Bytes() const { return data_; }
  qint64 Size() const { return data_.size(); }
  qint64 Position() const { return position_; }
  // Any position from 0 on; a write past the end fills the gap with zeros.
  void SetPosition(qint64 position) { position_ = qMax<qint64>(0, position); }
  // Copies up to count bytes from the position on and moves past them; the number copied.
  qint64 Read(void* buffer, qint64 count);
  // Writes the bytes at the position, extending the stream as needed, and moves past them.
  void Write(const void* buffer, qint64 count);
  // Cuts or zero-extends the content; the position is kept.
  void SetSize(qint64 size);
  void Clear();

  // The stream form: the size, then the whole content; writing rewinds the stream, and a
  // stream read back stands at 0.
  static void ReadMemoryStream(TObject& obj, TObjectReader& reader);
  static void WriteMemoryStream(const TObject& obj, TObjectWriter& writer);

private:
  QByteArray data_;
  // A cursor rather than content: streaming a constant stream out may rewind it.
  mutable qint64 position_ = 0;
};
