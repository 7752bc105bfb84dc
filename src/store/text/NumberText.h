#pragma once
// Reading numbers from text the way the settings store and the text routines have always
// read them, and the fixed 23-character form in which settings files hold floats.
#include <QString>
#include <cstdint>

namespace NumberText {
// Reads a signed 32-bit number: leading blanks, an optional sign, an optional "$" that
// marks hexadecimal, then digits to the end of the text. Hexadecimal takes up to 8
// digits and wraps into the negative ("$FFFFFFFF" is -1); decimal must lie in the
// 32-bit range. Returns the value and code 0, or value 0 and the 1-based position of
// the first character that does not belong (one past the end when digits are missing).
int32_t ValLongint(const QString& text, int& code);

// A float in the settings file's form: a blank or "-", one digit, ".", 14 digits, "E",
// a sign and 4 exponent digits (" 1.50000000000000E+0000"). The value is rounded to
// 15 significant digits. Infinities and NaN give " +Inf", " -Inf" and " Nan".
QString FloatToText(double value);
// Reads a decimal float: an optional sign, digits with an optional ".", an optional
// exponent ("E" or "e", optional sign, digits); blanks around it are allowed. False for
// anything else, infinities and NaN included, and for a value beyond the double range.
bool TextToFloat(const QString& text, double& value);
} // namespace NumberText
