#pragma once
// Packed BCD as the register writes it: two digits a byte, the more significant digit in the
// high nibble. A signed field gives its last low nibble to the sign (0xC positive, 0xD
// negative), so n bytes hold 2n digits unsigned and 2n - 1 signed. A two-byte field holding
// 65535 is written FF FF, signed or not. A value too wide for its field is refused.
#include <QByteArray>
#include <QtGlobal>

namespace SynthBcd {
// The largest magnitude a field of this width holds (65535 aside).
qint64 MaxMagnitude(int width, bool isSigned);
// Throw SynthValueError when the value does not fit (an unsigned field takes no negative).
QByteArray Unsigned(qint64 value, int width);
QByteArray Signed(qint64 value, int width);
// Readers for checking what was written: any nibble counts at its place, only D is negative.
qint64 ReadUnsigned(const QByteArray& bytes, qsizetype at, int width);
qint64 ReadSigned(const QByteArray& bytes, qsizetype at, int width);
} // namespace SynthBcd
