#pragma once
// Objects to and from bytes. An object is written as the signature "TPF0", its class name,
// its version (2 bytes) and whatever the writer of that version puts out; nested objects
// appear inside as complete objects of the same form, and a nil reference as the name
// "*NilObject*" alone. Reading finds the class by name in the registry and lets the reader
// of the stored version build a blank instance.
//
// After a failed read the memory stream stands where the read began and the instance
// being built is freed; after a failed write the memory stream is as it was. The depth
// returns to its earlier value either way.
#include "store/streaming/TMemoryStream.h"

#include <memory>

class TObjectReader;
class TObjectWriter;

class TObjectStream {
public:
  // Reading refuses objects nested deeper than this ("Invalid stream format"), so that a
  // damaged stream cannot exhaust the call stack.
  static constexpr qint32 MaxReadDepth = 256;

  // Over the memory stream, which the object stream owns from then on.
  explicit TObjectStream(std::unique_ptr<TMemoryStream> stream = std::make_unique<TMemoryStream>());
  ~TObjectStream();
  TObjectStream(const TObjectStream&) = delete;
  TObjectStream& operator=(const TObjectStream&) = delete;

  // Writes the object (or nil) at the memory stream's position. EClassNotRegistered, before
  // anything is written, for a class that is not registered.
  void WriteObject(const TObject* obj);
  // The next object (the caller owns it), or nil for a nil reference.
  std::unique_ptr<TObject> ReadObject();
  // Positions the memory stream at 0.
  void Rewind();

  qint32 Depth() const { return depth_; }
  TMemoryStream& Stream() { return *stream_; }
  const TMemoryStream& Stream() const { return *stream_; }

private:
  std::unique_ptr<TObject> ReadOneObject();

  std::unique_ptr<TMemoryStream> stream_;
  std::unique_ptr<TObjectWriter> writer_;
  std::unique_ptr<TObjectReader> reader_;
  qint32 depth_ = 0;
};

// Inside a reader procedure: the next nested object of the stream that owns the reader.
std::unique_ptr<TObject> ReadStreamedObject(TObjectReader& reader);
// Inside a writer procedure: the object (or nil) nested in the stream that owns the writer.
void WriteStreamedObject(TObjectWriter& writer, const TObject* obj);
// A deep copy made by writing the object and reading it back: a separate object of the same
// class carrying what its writer and reader carry. Nil gives nil.
std::unique_ptr<TObject> CopyObject(const TObject* obj);
