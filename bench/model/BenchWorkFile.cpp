#include "BenchWorkFile.h"

#include <QFile>
#include <QtEndian>
#include <stdexcept>

QByteArray BenchWorkFile::Bcd(qint64 value, int width, bool isSigned) {
  QByteArray digits = QByteArray::number(value).rightJustified(2 * width, '0');
  if (isSigned) digits = digits.right(2 * width - 1) + 'C';
  QByteArray bytes;
  for (int i = 0; i < width; ++i) {
    auto nibble = [](char c) { return c == 'C' ? 0xC : c - '0'; };
    bytes += char((nibble(digits[2 * i]) << 4) | nibble(digits[2 * i + 1]));
  }
  return bytes;
}

QByteArray BenchWorkFile::Framed(const QByteArray& data, int number) {
  return QByteArray("\x10\x02", 2) + char(number) + char(0) + data + QByteArray("\x10\x03\x00\x00", 4);
}

void BenchWorkFile::AddBlock(QByteArray& file, const QByteArray& block) {
  char length[4];
  qToLittleEndian<qint32>(qint32(block.size()), length);
  file += QByteArray(length, 4) + block;
}

QByteArray BenchWorkFile::WithHeader(int blockCount) {
  QByteArray file(4, '\0');
  qToLittleEndian<qint32>(blockCount, file.data());
  AddBlock(file, Framed(QByteArray(1, '\0') + "X\x01\x03\x04\x26\x00\x1C\x00\x01\x00\x00" + QByteArray(24, '\0'), 1));
  return file;
}

void BenchWorkFile::Write(const QString& path, const QByteArray& file) {
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
    throw std::runtime_error("the work file could not be written: " + path.toStdString());
}
