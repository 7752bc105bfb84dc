#include "widgets/core/WdgStringResource.h"

#include <QFile>
#include <QtEndian>

namespace {
constexpr int kHeaderSize = 8;
constexpr int kEntrySize = 12;

// The reader's own messages.
QString ReaderText(int id) {
  switch (id) {
  case 1: return QStringLiteral("String not found: %1");
  case 2: return QStringLiteral("Cannot lock resource");
  case 3: return QStringLiteral("String resource not found: %1");
  case 4: return QStringLiteral("Unable to open string resource: %1");
  default: return QStringLiteral("Invalid string resource");
  }
}

qint32 ReadInt(const QByteArray& data, qsizetype at) {
  return qFromLittleEndian<qint32>(data.constData() + at);
}
} // namespace

TWdgStringResource::TWdgStringResource(QByteArray data, bool raiseOnMissing)
    : data_(std::move(data)), raiseOnMissing_(raiseOnMissing) {
  if (data_.size() < kHeaderSize || !data_.startsWith("STR0")) throw EResStringError(ReaderText(5));
  count_ = ReadInt(data_, 4);
  if (count_ < 0 || count_ > (data_.size() - kHeaderSize) / kEntrySize) throw EResStringError(ReaderText(5));
  for (int i = 0; i < count_; ++i) {
    const qsizetype entry = kHeaderSize + qsizetype(i) * kEntrySize;
    const qint64 offset = quint32(ReadInt(data_, entry + 4));
    const qint64 length = quint32(ReadInt(data_, entry + 8));
    if (offset + 2 * length > data_.size()) throw EResStringError(ReaderText(5));
  }
}

TWdgStringResource TWdgStringResource::FromFile(const QString& path, bool raiseOnMissing) {
  QFile file(path);
  if (!file.exists()) throw EResStringError(ReaderText(3).arg(path));
  if (!file.open(QIODevice::ReadOnly)) throw EResStringError(ReaderText(4).arg(path));
  return TWdgStringResource(file.readAll(), raiseOnMissing);
}

QString TWdgStringResource::GetString(int id) const {
  int low = 0;
  int high = count_ - 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const qsizetype entry = kHeaderSize + qsizetype(middle) * kEntrySize;
    const qint32 entryId = ReadInt(data_, entry);
    if (entryId == id) {
      const qsizetype offset = quint32(ReadInt(data_, entry + 4));
      const qsizetype length = quint32(ReadInt(data_, entry + 8));
      QString text(length, Qt::Uninitialized);
      for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(data_.constData() + offset + 2 * i));
      return text;
    }
    if (entryId < id)
      low = middle + 1;
    else
      high = middle - 1;
  }
  if (raiseOnMissing_) throw EResStringError(ReaderText(1).arg(id));
  return {};
}
