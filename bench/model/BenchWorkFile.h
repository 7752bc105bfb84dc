#pragma once
// Work-file bytes for the save benchmarks: a report's blocks as the register frames them
// (numbered, wrapped in DLE STX .. DLE ETX and a CRC the reader does not check), each
// stored with its little-endian length, after the file's block count.
#include <QByteArray>
#include <QString>

namespace BenchWorkFile {
// value as packed BCD of width bytes; signed: the last nibble is the sign (C, positive).
QByteArray Bcd(qint64 value, int width, bool isSigned = true);
QByteArray Framed(const QByteArray& data, int number);
void AddBlock(QByteArray& file, const QByteArray& block);
// A file of blockCount blocks whose first, the report's header block, is added here.
QByteArray WithHeader(int blockCount);
// Writes the file at path; raises std::runtime_error when it cannot.
void Write(const QString& path, const QByteArray& file);
} // namespace BenchWorkFile
