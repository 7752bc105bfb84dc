#include "model/TBlockFileReader.h"

#include "model/EInOutError.h"

#include <QFile>
#include <QtEndian>

namespace {
// Reads exactly size bytes; false at a clean end of file (nothing left), EInOutError when
// the file ends part-way.
bool ReadExactly(QFile& file, char* data, qint64 size) {
  qint64 done = 0;
  while (done < size) {
    const qint64 got = file.read(data + done, size - done);
    if (got < 0) throw EInOutError(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
    if (got == 0) break;
    done += got;
  }
  if (done == size) return true;
  if (done == 0) return false;
  throw EInOutError(QStringLiteral("Read beyond end of file"));
}

qint32 ReadInt32(QFile& file, bool& atEnd) {
  char bytes[4];
  atEnd = !ReadExactly(file, bytes, 4);
  return atEnd ? 0 : qFromLittleEndian<qint32>(bytes);
}
} // namespace

TBlockFileReader::TBlockFileReader(QFile& file) : file_(file) {
  if (file_.isOpen()) file_.close();
  if (!file_.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("Cannot open %1: %2").arg(file_.fileName(), file_.errorString()));
  bool atEnd = false;
  count_ = ReadInt32(file_, atEnd);
  if (atEnd) throw EInOutError(QStringLiteral("Read beyond end of file"));
}

bool TBlockFileReader::Next(TEcrBlock& buffer, qint32& length) {
  blockStart_ = file_.pos();
  bool atEnd = false;
  const qint32 size = ReadInt32(file_, atEnd);
  if (atEnd) return false;
  if (size < 0 || size > kEcrBlockSize)
    throw EInOutError(QStringLiteral("Invalid block length %1 in block %2 of %3")
                          .arg(size)
                          .arg(blocksRead_ + 1)
                          .arg(file_.fileName()));
  if (size > 0 && !ReadExactly(file_, reinterpret_cast<char*>(buffer.data()), size))
    throw EInOutError(QStringLiteral("Read beyond end of file"));
  length = size;
  ++blocksRead_;
  return true;
}
