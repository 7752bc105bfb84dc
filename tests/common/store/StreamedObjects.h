#pragma once
// Objects through the object stream under test: the bytes an object is written as, and the
// object a byte array holds, read to its last byte.
#include "store/streaming/TMemoryStream.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <memory>

namespace StreamedObjects {
// The bytes in upper-case hex, a space between them, as failure messages show them.
inline QByteArray HexOf(const QByteArray& bytes) { return bytes.toHex(' ').toUpper(); }

inline QByteArray Written(const TObject* obj) {
  TObjectStream stream;
  stream.WriteObject(obj);
  return stream.Stream().Bytes();
}

// The object the bytes hold, of the class T (nullptr if it is of another class); a test
// fails when bytes are left unread.
template <class T> std::unique_ptr<T> ReadAll(const QByteArray& bytes) {
  TObjectStream stream(std::make_unique<TMemoryStream>(bytes));
  stream.Rewind();
  std::unique_ptr<TObject> obj = stream.ReadObject();
  EXPECT_EQ(stream.Stream().Position(), bytes.size()) << "bytes left unread";
  auto* typed = dynamic_cast<T*>(obj.get());
  if (!typed) return nullptr;
  (void)obj.release();
  return std::unique_ptr<T>(typed);
}
} // namespace StreamedObjects
