#pragma once
// A block as the back office stores a received frame in its work file: DLE STX, the block
// number, the record count, the data, DLE ETX and the CRC-16/ARC of everything from the
// block number to ETX, low byte first (the line's DLE doubling already undone).
#include <QByteArray>
#include <QtGlobal>

namespace SynthFrame {
constexpr int kFrameBytes = 8; // DLE STX number count ... DLE ETX crc crc
constexpr int kMaxBlock = 4096;

quint16 Crc(const QByteArray& bytes); // CRC-16/ARC: reflected 0xA001, start 0, no final XOR
// Throws SynthValueError when the block would exceed 4096 bytes.
QByteArray Stored(quint8 number, quint8 count, const QByteArray& data);
// The data of a stored block; throws SynthFileError for a block that is not one (framing
// or CRC wrong).
QByteArray Data(const QByteArray& block);
} // namespace SynthFrame
