#include "crs-synth/SynthBlockFile.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFrame.h"

#include <QFile>
#include <QtEndian>

namespace SynthBlockFile {

namespace {
QByteArray Int32(qint32 value) {
  QByteArray out(4, '\0');
  qToLittleEndian<qint32>(value, out.data());
  return out;
}
} // namespace

QByteArray Encode(const QList<QByteArray>& blocks) {
  QByteArray out = Int32(qint32(blocks.size()));
  for (const QByteArray& block : blocks) out.append(Int32(qint32(block.size()))).append(block);
  return out;
}

QList<QByteArray> Decode(const QByteArray& bytes) {
  if (bytes.size() < 4) throw SynthFileError(QStringLiteral("The work file is shorter than its block count"));
  QList<QByteArray> blocks;
  for (qsizetype at = 4; at < bytes.size();) {
    const int number = int(blocks.size()) + 1;
    if (bytes.size() - at < 4) throw SynthFileError(QStringLiteral("Block %1 has a cut length").arg(number));
    const qint32 length = qFromLittleEndian<qint32>(bytes.constData() + at);
    at += 4;
    if (length < 1 || length > SynthFrame::kMaxBlock || bytes.size() - at < length)
      throw SynthFileError(QStringLiteral("Block %1 has the length %2").arg(number).arg(length));
    blocks.append(bytes.mid(at, length));
    at += length;
  }
  return blocks;
}

void Write(const QString& path, const QList<QByteArray>& blocks) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Encode(blocks)) < 0 || !file.flush())
    throw SynthFileError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

QList<QByteArray> Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw SynthFileError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
  return Decode(file.readAll());
}

} // namespace SynthBlockFile
