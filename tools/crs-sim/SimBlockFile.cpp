#include "crs-sim/SimBlockFile.h"

#include "crs-sim/SimErrors.h"
#include "crs-sim/SimFraming.h"

#include <QFile>
#include <QtEndian>

namespace SimBlockFile {

namespace {
[[noreturn]] void Damaged(const QString& name, const QString& why) {
  throw SimFixtureError(QStringLiteral("Block file %1: %2").arg(name, why));
}

qint32 Int32At(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<qint32>(bytes.constData() + at);
}

QByteArray Int32(qint32 value) {
  QByteArray out(4, '\0');
  qToLittleEndian<qint32>(value, out.data());
  return out;
}
} // namespace

QList<QByteArray> Decode(const QByteArray& bytes, const QString& name) {
  if (bytes.size() < 4) Damaged(name, QStringLiteral("shorter than its block count"));
  QList<QByteArray> blocks;
  qsizetype at = 4;
  while (at < bytes.size()) {
    if (bytes.size() - at < 4) Damaged(name, QStringLiteral("block %1 has a cut length").arg(blocks.size() + 1));
    const qint32 length = Int32At(bytes, at);
    at += 4;
    if (length <= 0 || length > MaxBlock)
      Damaged(name, QStringLiteral("block %1 has the length %2").arg(blocks.size() + 1).arg(length));
    if (bytes.size() - at < length) Damaged(name, QStringLiteral("block %1 is cut short").arg(blocks.size() + 1));
    blocks.append(bytes.mid(at, length));
    at += length;
  }
  return blocks;
}

QList<QByteArray> Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw SimFixtureError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
  return Decode(file.readAll(), path);
}

QByteArray Encode(const QList<QByteArray>& blocks) {
  QByteArray out = Int32(qint32(blocks.size()));
  for (const QByteArray& block : blocks) out.append(Int32(qint32(block.size()))).append(block);
  return out;
}

void Write(const QString& path, const QList<QByteArray>& blocks) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Encode(blocks)) < 0 || !file.flush())
    throw SimFixtureError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

QByteArray Body(const QByteArray& block) {
  using namespace SimFraming;
  const qsizetype n = block.size();
  if (n < 8 || quint8(block[0]) != DLE || quint8(block[1]) != STX || quint8(block[n - 4]) != DLE ||
      quint8(block[n - 3]) != ETX)
    return block;
  const QByteArray body = block.mid(2, n - 6);
  const quint16 stored = quint16(quint8(block[n - 2])) | quint16(quint8(block[n - 1])) << 8;
  return stored == BodyCrc(body) ? body : block;
}

} // namespace SimBlockFile
