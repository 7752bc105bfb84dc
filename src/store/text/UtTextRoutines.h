#pragma once
// Number parsing with the hexadecimal forms registers and settings use, and the
// hexadecimal text of a byte.
#include <QString>
#include <cstdint>

// Reads a 32-bit number. Blanks around it are ignored. Forms: decimal with an optional
// sign; hexadecimal with a "$" prefix, a "0x"/"0X" prefix or an "H"/"h" suffix ("1FH").
// code: 0 on success; -1 for an empty or all-blank text; else the 1-based position in
// text of the first character that does not belong (the value is then 0). A lone "H"
// gives code = the text's length.
int32_t StrToLongCode(const QString& text, int& code);
// StrToLongCode limited to -32767..32767: a value outside gives 0 and code = the
// text's length.
int16_t StrToSmallIntCode(const QString& text, int& code);
// Two upper-case hexadecimal digits, high nibble first.
QString HexByte(uint8_t value);
