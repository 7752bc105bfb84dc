#include "AttachmentWriter.h"

#include <zlib.h>

namespace AttachmentWriter {
namespace {
void PutWord(QByteArray& block, int offset, quint32 value) {
  for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
void PutText(QByteArray& block, int offset, const QString& text) {
  const QByteArray bytes = text.toLatin1();
  block[offset] = static_cast<char>(bytes.size());
  for (int i = 0; i < bytes.size(); ++i) block[offset + 1 + i] = bytes[i];
}
quint32 Sum(const QByteArray& block, int count) {
  quint32 h = 0;
  for (int i = 0; i < count; ++i) h = 3 * h + static_cast<quint8>(block[i]);
  return h;
}
void Seal(QByteArray& block, int checksumAt) {
  PutWord(block, 0, 0x6A4A61A3);
  PutWord(block, checksumAt, Sum(block, checksumAt));
  PutWord(block, checksumAt + 4, 0x8CF9BF0D);
}
QByteArray Deflate(const QByteArray& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  QByteArray out(static_cast<qsizetype>(size), '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.constData()),
            static_cast<uLong>(bytes.size()), 6);
  out.resize(static_cast<qsizetype>(size));
  return out;
}
} // namespace

QByteArray Trailer(const QString& sessionName, qint32 firstItem, qint32 itemCount, qint32 totalSize) {
  QByteArray block(278, '\0');
  PutText(block, 4, QStringLiteral("test attacher"));
  PutWord(block, 62, static_cast<quint32>(firstItem));
  PutWord(block, 70, static_cast<quint32>(itemCount));
  PutWord(block, 78, static_cast<quint32>(totalSize));
  PutText(block, 82, QStringLiteral("tests"));
  PutText(block, 146, sessionName);
  Seal(block, 270);
  return block;
}

QByteArray ItemHeader(const Item& item, qint32 storedSize, qint32 level) {
  QByteArray block(544, '\0');
  PutText(block, 4, item.name);
  PutText(block, 260, item.folder);
  PutWord(block, 516, static_cast<quint32>(item.bytes.size()));
  PutWord(block, 520, static_cast<quint32>(storedSize));
  PutWord(block, 524, 0xD53E8000u); // 1601 + a little: any file time will do
  PutWord(block, 528, 0x01A8E79Fu);
  PutWord(block, 532, static_cast<quint32>(level));
  Seal(block, 536);
  return block;
}

void Patch(QByteArray& block, int offset, qint32 value, int checksumAt) {
  PutWord(block, offset, static_cast<quint32>(value));
  PutWord(block, checksumAt, Sum(block, checksumAt));
}

qint64 AppendSession(QByteArray& file, const QString& sessionName, const QList<Item>& items) {
  const qint32 first = static_cast<qint32>(file.size());
  qint32 total = 0;
  for (const Item& item : items) {
    const QByteArray stored = Deflate(item.bytes);
    file += ItemHeader(item, static_cast<qint32>(stored.size()), item.level);
    file += stored;
    total += static_cast<qint32>(item.bytes.size());
  }
  const qint64 at = file.size();
  file += Trailer(sessionName, first, static_cast<qint32>(items.size()), total);
  return at;
}
} // namespace AttachmentWriter
