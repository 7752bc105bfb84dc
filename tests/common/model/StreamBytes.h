#pragma once
// Expected object-stream bytes composed by hand, for tests that hold a class's stored form
// to the byte: each helper gives one typed value as the stored files hold it (one type byte,
// then a little-endian value), without going through the stream writer under test.
#include "TestSupport.h"

#include <QByteArray>
#include <QtGlobal>

namespace StreamBytes {
using TestSupport::Hex;

inline QByteArray LittleEndian(quint64 value, int count) {
  QByteArray out;
  for (int i = 0; i < count; ++i) out.append(char(quint8(value >> (8 * i))));
  return out;
}

// 02 and one byte, 03 and two, or 04 and four: the shortest that holds the value.
inline QByteArray Int(qint32 value) {
  if (value >= -128 && value <= 127) return Hex("02") + LittleEndian(quint64(qint64(value)), 1);
  if (value >= -32768 && value <= 32767) return Hex("03") + LittleEndian(quint64(qint64(value)), 2);
  return Hex("04") + LittleEndian(quint64(qint64(value)), 4);
}

// 06, a length byte and the bytes below 256 bytes; 0C and a 4-byte length from 256 on.
inline QByteArray Str(const QByteArray& bytes) {
  if (bytes.size() < 256) return Hex("06") + LittleEndian(quint64(bytes.size()), 1) + bytes;
  return Hex("0C") + LittleEndian(quint64(bytes.size()), 4) + bytes;
}

inline QByteArray Bool(bool value) { return value ? Hex("09") : Hex("08"); }

// 05 and the ten bytes of an 80-bit extended value, given as hex text.
inline QByteArray Float(const char* tenBytes) { return Hex("05") + Hex(tenBytes); }

// The start of an object: the signature, the class name and the version 1.
inline QByteArray Head(const QByteArray& className) { return QByteArray("TPF0") + Str(className) + Hex("01 00"); }

// A nil reference: the signature and the nil name, nothing after.
inline QByteArray Nil() { return QByteArray("TPF0") + Str("*NilObject*"); }

// A typed array: its head and fields up to the first item; the items follow as objects.
inline QByteArray ArrayHead(const QByteArray& elementClass, const QByteArray& compareName, qint32 count,
                            qint32 capacity, qint32 delta, bool sorted) {
  return Head("TArray") + Str(elementClass) + Str(compareName) + Int(count) + Int(capacity) + Int(delta) +
         Bool(sorted);
}

// Extended values used by the register-model tests, worked out by hand: the mantissa with its
// explicit integer bit (8 bytes), then sign and exponent biased by 16383 (2 bytes).
inline constexpr char kExtZero[] = "00 00 00 00 00 00 00 00 00 00";
inline constexpr char kExtOne[] = "00 00 00 00 00 00 00 80 FF 3F";       // 1.0 = 1.0 x 2^0
inline constexpr char kExtMinusOne[] = "00 00 00 00 00 00 00 80 FF BF";  // sign bit set
inline constexpr char kExt45000_5[] = "00 00 00 00 00 80 C8 AF 0E 40";   // 0xAFC8.8 = 1.0101... x 2^15
inline constexpr char kExt45001_25[] = "00 00 00 00 00 40 C9 AF 0E 40";  // 0xAFC9.4
inline constexpr char kExt46022_75[] = "00 00 00 00 00 C0 C6 B3 0E 40";  // 0xB3C6.C
inline constexpr char kExt2p40[] = "00 00 00 00 00 00 00 80 27 40";      // 2^40: exponent 16383 + 40
inline constexpr char kExt2p53Plus1[] = "00 04 00 00 00 00 00 80 34 40"; // 2^53 + 1: the last bit 2^0 sits 53 places down
inline constexpr char kExtMinus2p53Plus1[] = "00 04 00 00 00 00 00 80 34 C0"; // the same, sign bit set
inline constexpr char kExtInt64Max[] = "FE FF FF FF FF FF FF FF 3D 40";  // 2^63 - 1: 63 ones under 2^62
inline constexpr char kExtInt64Min[] = "00 00 00 00 00 00 00 80 3E C0";  // -2^63
} // namespace StreamBytes
