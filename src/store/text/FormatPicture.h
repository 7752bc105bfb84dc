#pragma once
// The numeric picture formatter: renders counts and amounts through masks such as
// "#,###.##".
//
// Mask characters: "#" digit place (blank fill), "@" digit place with zero fill, "*"
// digit place with star fill, "$" digit place with a floating currency sign, "+" and "-"
// sign places, "," thousands separator, "." decimal point; "C" and "c" anywhere count
// characters of the right and left currency texts. Everything else is literal text.
// The picture is the first contiguous run of "#@*$-+,."; a value that does not fit
// turns its digit places into "*".
#include <QString>
#include <cstdint>

QString FormatPicture(const QString& mask, double value, const QString& leftCurrency,
                      const QString& rightCurrency, bool integerMode, QChar decimalPoint,
                      QChar separator);

QString FormatIntPicture(const QString& mask, int32_t value, const QString& leftCurrency,
                         const QString& rightCurrency, QChar separator);

// A mask without "." is formatted as in FormatIntPicture (the value rounded).
QString FormatFloatPicture(const QString& mask, double value, const QString& leftCurrency,
                           const QString& rightCurrency, QChar separator, QChar decimalPoint);
