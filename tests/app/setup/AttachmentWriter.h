#pragma once
// Builds appended data for the reader's tests, written from the format's table: items
// (544-byte header and zlib data) followed by the session's 278-byte trailer.
#include <QByteArray>
#include <QList>
#include <QString>

namespace AttachmentWriter {
struct Item {
  QString name;
  QByteArray bytes;
  QString folder = QString();
  int level = 2;
};
// Appends one session to `file` (the executable's bytes so far) and returns the offset of
// its trailer.
qint64 AppendSession(QByteArray& file, const QString& sessionName, const QList<Item>& items);
// The 278 trailer bytes for a session whose first item is at `firstItem`.
QByteArray Trailer(const QString& sessionName, qint32 firstItem, qint32 itemCount, qint32 totalSize);
// 544 header bytes; the stored size is given separately so tests may lie about it.
QByteArray ItemHeader(const Item& item, qint32 storedSize, qint32 level);
// Sets a little-endian 32-bit value and makes the checksum over `checksumAt` bytes right again.
void Patch(QByteArray& block, int offset, qint32 value, int checksumAt);
} // namespace AttachmentWriter
