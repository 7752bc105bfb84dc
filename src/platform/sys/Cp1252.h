#pragma once
// Windows-1252, the code page of register texts, settings files and every file the
// system exchanges with other programs. Characters it cannot hold become '?'.
#include <QByteArray>
#include <QString>

namespace Cp1252 {
QString Decode(const QByteArray& bytes);
QString Decode(const char* data, qsizetype size);
QByteArray Encode(const QString& text);
// The character of one byte, and the byte of one character ('?' when unmappable).
QChar ToChar(unsigned char byte);
char FromChar(QChar ch);
} // namespace Cp1252
