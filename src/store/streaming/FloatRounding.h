#pragma once
// Shared by the float converters: shifting a mantissa right with rounding to nearest,
// ties to even.
#include <QtGlobal>

namespace FloatRounding {
// value / 2^shift rounded to nearest, ties to even; any shift from 0 up.
quint64 ShiftRightRounded(quint64 value, int shift);
} // namespace FloatRounding
