#pragma once
// The 80-bit extended float of stored streams and register data: ten bytes, little-endian,
// a 64-bit mantissa with an explicit integer bit, then a 15-bit exponent (bias 16383) with
// the sign in the top bit of the last byte. Converted to and from double without relying
// on the compiler's long double.
#include <QtGlobal>
#include <array>

namespace Extended80 {
using TBytes = std::array<quint8, 10>;

// Exact for every double: zeros and infinities keep their sign, denormals are normalised,
// a NaN keeps its payload.
TBytes FromDouble(double value);
void Encode(double value, void* tenBytes);

// Rounded to the nearest double (ties to even). A value beyond the double range becomes an
// infinity of its sign; one below the smallest denormal becomes a zero of its sign.
// Unnormal encodings are read by their numeric value; an all-ones exponent is an infinity
// when the fraction is zero and a NaN otherwise.
double ToDouble(const TBytes& bytes);
double Decode(const void* tenBytes);
} // namespace Extended80
