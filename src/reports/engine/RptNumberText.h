#pragma once
// Numbers as reports print them without a picture: the shortest form of a float, a fixed
// number of decimals without grouping, whole numbers, and the currency text.
#include "reports/engine/RptDecimal.h"
#include "reports/engine/RptLocale.h"

#include <QString>
#include <cstdint>

namespace RptNumberText {
// Up to 15 significant digits, no trailing zeros, no grouping: 1234.5, 0.25, 29, -1.25.
// From 1E15 up and below 0.00001 the form has an exponent: 1E15, 1.5E-6. NaN and the
// infinities print as NAN, INF and -INF.
QString Shortest(double value, const RptLocale& locale);
// `decimals` places, rounded half away from zero, no grouping: 1234.50, -2.00, 0.00.
QString Fixed(double value, int decimals, const RptLocale& locale);
QString Integer(int64_t value);
// The currency text in the locale's form, with its decimals (two for the United States):
// $0.00, $1,234.50, ($5.00). The value is first taken to `significantDigits` places.
QString Currency(double value, const RptLocale& locale, int significantDigits = 15);
// The currency text of an exact decimal, such as money kept in ten-thousandths.
QString Currency(RptDecimal number, const RptLocale& locale);
} // namespace RptNumberText
