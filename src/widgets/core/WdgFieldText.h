#pragma once
// Integer values as the text of an entry field: decimal, or hexadecimal, octal or binary when
// the field's picture asks for it.
#include <QString>
#include <cstdint>

enum class TWdgRadix : uint8_t { Decimal, Hex, Octal, Binary };

// The radix a picture asks for: 'K' hexadecimal, 'O' octal, 'b' binary, else decimal.
TWdgRadix RadixOfPicture(const QString& picture);

// The text of a value for a field whose value is `dataSize` bytes wide (1, 2 or 4). Hexadecimal,
// octal and binary texts keep their leading zeros, cut to the digits the width needs.
QString IntToFieldText(int32_t value, TWdgRadix radix, int dataSize);

// Reads a field's text; blanks around it are ignored and an empty text is 0. False when the
// text does not read as a 32-bit integer in the radix.
bool FieldTextToInt(const QString& text, TWdgRadix radix, int32_t& value);
