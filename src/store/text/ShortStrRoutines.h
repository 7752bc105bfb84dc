#pragma once
// Routines on short strings: texts of at most 255 characters, the form in which register
// texts and display pictures are handled. Every result is capped at 255 characters.
#include <QString>
#include <cstdint>

inline constexpr int ShortStrMax = 255;

// Two upper-case hexadecimal digits.
QString ByteToHex(uint8_t value);
// Decimal text, "-" for negatives, no leading blanks.
QString IntToShortStr(int32_t value);
// Reads text as StrToSmallIntCode does. True with the value on success; on failure
// false, and value receives the position of the offending character (the text's
// length + 1 when there is none to name, as for an empty text).
bool ShortStrToInt(const QString& text, int16_t& value);
// The text followed (PadRight) or preceded (PadLeft) by fill characters up to length;
// a text that already has that length or more is returned unchanged.
QString PadRightCh(const QString& text, QChar fill, int length);
QString PadRight(const QString& text, int length);
QString PadLeftCh(const QString& text, QChar fill, int length);
QString PadLeft(const QString& text, int length);
// Removes leading and trailing blanks (character 32 only; tabs stay).
QString TrimBlanks(const QString& text);
// The 1-based position of the first occurrence of ch, 0 when absent.
int ShortStrCharPos(const QString& text, QChar ch);
