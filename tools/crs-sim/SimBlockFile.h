#pragma once
// Block files: a little-endian 32-bit block count, then per block a 32-bit length and that
// many bytes. Readers go to the end of the file (the count may be stale). A block is either
// a block body (block number, record count, records) or, as in a work file, a stored frame
// (DLE STX, body, DLE ETX, CRC) with its doubling removed; Body() tells them apart by the CRC.
#include <QByteArray>
#include <QList>
#include <QString>

namespace SimBlockFile {
constexpr int MaxBlock = 4096;

// Throws SimFixtureError naming the file on a short or damaged file.
QList<QByteArray> Read(const QString& path);
QList<QByteArray> Decode(const QByteArray& bytes, const QString& name);
QByteArray Encode(const QList<QByteArray>& blocks);
void Write(const QString& path, const QList<QByteArray>& blocks);
// The body of a block: a stored frame whose CRC checks out loses its framing.
QByteArray Body(const QByteArray& block);
} // namespace SimBlockFile
