#pragma once
// The number conversions of the numeric edit control. They always use the C locale ("." as
// the decimal character, no group separators), whatever the user's settings, so that a
// text such as "12.50" reads the same everywhere.
#include <QString>
#include <optional>

// A decimal integer with an optional sign, in the 32-bit range; nothing else around it.
std::optional<qint32> UlvaneIntFromText(const QString& text);
// A decimal number with an optional sign, "." and exponent ("5", "-.5", "5.", "1.7E+0308").
std::optional<double> UlvaneFloatFromText(const QString& text);
// The general format with 15 significant digits ("12.5", "123456", "1e+20"); nothing for a
// value that is not finite.
std::optional<QString> UlvaneFloatText(double value);
