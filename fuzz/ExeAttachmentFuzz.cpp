// A libFuzzer target for the reader of data appended to the program file: the input is the
// whole file, read from memory. Besides "no crash", it checks that every failure is one of
// the reader's own errors, that the walk back over trailers ends, and that each item handed
// on is in the stream, which is back at position 0.
#include "app/setup/TZorvExeAttachment.h"
#include "app/setup/ZorvErrors.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "attachment rule broken: %s\n", rule);
  std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the session asked for; the rest is the file.
  static const char* const kNames[] = {"PreReleaseData", "prereleasedata", "Data", ""};
  const QString name = QString::fromLatin1(kNames[data[0] % 4]);
  QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  QBuffer input(&bytes);
  input.open(QIODevice::ReadOnly);
  QBuffer output;
  output.open(QIODevice::ReadWrite);
  TZorvExeAttachment reader;
  reader.SetTargetStream(&output);
  int items = 0;
  reader.AfterExtractItem = [&](const QString&, const ZorvFormat::ItemHeader& header) {
    ++items;
    Require(output.pos() == 0, "the stream is back at position 0 after an item");
    Require(output.size() >= header.size, "an item's bytes are all in the stream");
  };
  try {
    reader.ExtractSession(input, QStringLiteral("fuzz"), name);
  } catch (const EZorvException&) {
    return 0;
  } catch (...) {
    Require(false, "only the reader's own errors leave it");
  }
  // Every item header takes 544 bytes of the file.
  Require(static_cast<size_t>(items) * 544 <= size, "no more items than the file can hold");
  return 0;
}
