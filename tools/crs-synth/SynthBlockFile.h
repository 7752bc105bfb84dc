#pragma once
// The work file: a little-endian signed 32-bit block count, then per block its 32-bit length
// (1 to 4096) and its bytes.
#include <QByteArray>
#include <QList>
#include <QString>

namespace SynthBlockFile {
QByteArray Encode(const QList<QByteArray>& blocks);
// Reads to the end, as the back office does; throws SynthFileError for a cut or bad length.
QList<QByteArray> Decode(const QByteArray& bytes);
void Write(const QString& path, const QList<QByteArray>& blocks);
QList<QByteArray> Read(const QString& path);
} // namespace SynthBlockFile
