#pragma once
// The 6-byte real of stored data: the first byte is the exponent with bias 129 (0 means
// the value zero), the next five bytes hold a 39-bit fraction, little-endian, below an
// implicit leading 1, and the top bit of the last byte is the sign.
#include "platform/sys/Exception.h"

#include <QtGlobal>
#include <array>

TB_EXCEPTION_FIXED(EReal48Overflow, Exception, "Value out of range of a 6-byte real")

namespace Real48 {
using TBytes = std::array<quint8, 6>;

// Always exact: every 6-byte real is a double. A zero exponent byte reads as +0.
double ToDouble(const TBytes& bytes);
double Decode(const void* sixBytes);

// Rounded to 40 significant bits (nearest, ties to even). Zero of either sign and values
// below the smallest 6-byte real (2^-128) give all zero bytes; a value whose magnitude
// rounds to 2^127 or more, an infinity or a NaN raises EReal48Overflow.
TBytes FromDouble(double value);
void Encode(double value, void* sixBytes);
} // namespace Real48
