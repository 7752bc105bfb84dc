#pragma once
// Register text as a report answer carries it: one byte a character (Latin-1), with '<'
// written as 0x0E and '>' as 0x0F, zero bytes filling the rest of the field.
#include <QByteArray>
#include <QString>

namespace SynthText {
// Throws SynthValueError for a text longer than the field or a character outside Latin-1,
// or one the register cannot send (a control byte, which would read as another character).
QByteArray Encode(const QString& text, int width);
// Up to the first zero byte, 0x0E and 0x0F read back as '<' and '>'.
QString Decode(const QByteArray& bytes, qsizetype at, int width);
} // namespace SynthText
