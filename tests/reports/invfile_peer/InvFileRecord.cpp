#include "InvFileRecord.h"

#include "InvFilePeer.h"

#include <QtEndian>

namespace InvFilePeer {

Record::Record(const QByteArray& file, int index)
    : index(index), data_(file.constData() + qsizetype(index) * kRecordSize),
      last_(qsizetype(index + 1) * kRecordSize == file.size()) {}

int Record::U8(int offset) const { return quint8(data_[offset]); }
int Record::U16(int offset) const { return qFromLittleEndian<quint16>(data_ + offset); }
qint32 Record::I32(int offset) const { return qFromLittleEndian<qint32>(data_ + offset); }
qint64 Record::I64(int offset) const { return qFromLittleEndian<qint64>(data_ + offset); }

int Record::FirstNonZero(int from, int to) const {
  for (int offset = from; offset < to; ++offset)
    if (data_[offset] != 0) return offset;
  return -1;
}

void Record::ExpectZero(int from, int to, const char* what) const {
  const int stray = FirstNonZero(from, to);
  if (stray >= 0)
    Fail(QStringLiteral("%1 must be 0, byte %2 is %3").arg(QLatin1String(what)).arg(stray).arg(U8(stray)), stray);
}

void Record::ExpectValue(int offset, qint64 expected, qint64 actual, const char* what) const {
  if (actual != expected)
    Fail(QStringLiteral("%1 is %2, expected %3").arg(QLatin1String(what)).arg(actual).arg(expected), offset);
}

QByteArray Record::Counted(int offset, int max, const char* what) const {
  const int length = U8(offset);
  if (length > max)
    Fail(QStringLiteral("%1 length byte %2 is over its maximum of %3").arg(QLatin1String(what)).arg(length).arg(max),
         offset);
  const int stray = FirstNonZero(offset + 1 + length, offset + 1 + max);
  if (stray >= 0)
    Fail(QStringLiteral("%1 of length %2 is not zero-filled: byte %3 is %4")
             .arg(QLatin1String(what)).arg(length).arg(stray).arg(U8(stray)),
         stray);
  return QByteArray(data_ + offset + 1, length);
}

void Record::Fail(const QString& what, int offset) const {
  const QString where = offset < 0 ? QString() : QStringLiteral(", offset %1").arg(offset);
  throw EMalformed(QStringLiteral("record %1 (%2)%3: %4").arg(index).arg(Label(), where, what));
}

// The role the record's kind and place give it, as far as one record can tell.
QString Record::Label() const {
  switch (U8(Offsets::kKind)) {
    case 0: return QStringLiteral("item");
    case 1: return last_ ? QStringLiteral("last record") : QStringLiteral("poll header");
    default: return QStringLiteral("kind %1").arg(U8(Offsets::kKind));
  }
}

} // namespace InvFilePeer
