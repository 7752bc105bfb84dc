#pragma once
// Text routines of the entry fields' editing. Positions are 0-based.
#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

QString BinaryText(uint32_t value);  // 32 characters "0"/"1", most significant bit first
QString FillText(QChar c, int count);
QString HexText32(uint32_t value);   // 8 upper-case hexadecimal digits
QString HexText16(uint16_t value);   // 4
QString OctalText(uint32_t value);   // 12 octal digits, leading zeros
QChar LowerChar(QChar c);
QChar UpperChar(QChar c);

// The first position of a character or text; a text is not found in or as an empty text.
std::optional<int> FindChar(const QString& text, QChar c);
std::optional<int> FindText(const QString& text, const QString& sought);

// A position past the end appends.
void InsertChar(QString& text, QChar c, int position);
void InsertChars(QString& text, QChar c, int count, int position);
void InsertText(QString& text, const QString& inserted, int position);
// A position past the end changes nothing.
void DeleteChar(QString& text, int position);
// When fewer than `count` characters follow, the text ends at the position.
void DeleteText(QString& text, int position, int count);
// At most `count` characters from the position; empty when the position is not inside.
QString SubText(const QString& text, int position, int count);

void TrimBlanks(QString& text);    // blanks only, trailing then leading
void TrimTrailing(QString& text);  // blanks and control characters
// "12.500" gives "12.5", "12.000" gives "12"; a text without a decimal point keeps its zeros.
void TrimTrailingZeros(QString& text);
// "1.2300E+005" gives "1.23E+5", "1.0E+000" gives "1".
void TrimExponentZeros(QString& text);

// A decimal ("-12") or hexadecimal ("0x1F") 32-bit integer, trailing blanks and control
// characters ignored. On failure `value` is the position of the offending character in the
// text (-1 for a text longer than 255 characters).
bool TextToLong(const QString& text, int32_t& value);
