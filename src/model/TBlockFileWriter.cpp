#include "model/TBlockFileWriter.h"

#include "model/EInOutError.h"
#include "model/EcrErrors.h"
#include "model/TBlockFileReader.h"

#include <QFile>
#include <QtEndian>

namespace {
void WriteAll(QFile& file, const char* data, qint64 size) {
  if (file.write(data, size) != size)
    throw EInOutError(QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()));
}

void WriteInt32(QFile& file, qint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  WriteAll(file, bytes, 4);
}

void OpenForWriting(QFile& file, QIODevice::OpenMode mode) {
  if (file.isOpen()) file.close();
  if (!file.open(mode))
    throw EInOutError(QStringLiteral("Cannot open %1: %2").arg(file.fileName(), file.errorString()));
}
} // namespace

TBlockFileWriter TBlockFileWriter::Rewrite(QFile& file) {
  OpenForWriting(file, QIODevice::ReadWrite | QIODevice::Truncate);
  WriteInt32(file, 0);
  return TBlockFileWriter(file);
}

TBlockFileWriter TBlockFileWriter::Continue(QFile& file, TEcrBlock& lastBlock, qint32& lastLength) {
  qint32 count = 0, found = 0;
  qint64 lastStart = 4;
  lastLength = 0;
  {
    TBlockFileReader reader(file);
    count = reader.Count();
    qint32 length = 0;
    while (reader.Next(lastBlock, length)) {
      lastStart = reader.BlockStart();
      lastLength = length;
    }
    found = reader.BlocksRead();
  }
  OpenForWriting(file, QIODevice::ReadWrite);
  TBlockFileWriter writer(file);
  writer.storedCount_ = count;
  writer.blocksFound_ = found;
  writer.position_ = lastStart;
  return writer;
}

void TBlockFileWriter::Write(const TEcrBlock& buffer, qint32 length) {
  if (length <= 0 || length > kEcrBlockSize) throw ERangeError();
  // Blocks follow each other: the file stands at the place already, except after Finish.
  if (file_.pos() != position_ && !file_.seek(position_))
    throw EInOutError(QStringLiteral("Cannot seek in %1").arg(file_.fileName()));
  WriteInt32(file_, length);
  WriteAll(file_, reinterpret_cast<const char*>(buffer.data()), length);
  position_ += 4 + length;
}

void TBlockFileWriter::Finish(qint32 count) {
  if (!file_.resize(position_)) throw EInOutError(QStringLiteral("Cannot write %1: %2").arg(file_.fileName(), file_.errorString()));
  if (!file_.seek(0)) throw EInOutError(QStringLiteral("Cannot seek in %1").arg(file_.fileName()));
  WriteInt32(file_, count);
  if (!file_.flush()) throw EInOutError(QStringLiteral("Cannot write %1: %2").arg(file_.fileName(), file_.errorString()));
}
