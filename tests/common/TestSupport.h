#pragma once
// Small helpers shared by the tests.
#include <QByteArray>
#include <QString>

namespace TestSupport {
// The folder of checked-in test fixtures (tests/data).
QString DataPath(const QString& relative = QString());
// Bytes from a string of hexadecimal pairs, blanks ignored ("54 50 46 30").
QByteArray Hex(const char* text);
// Reads and writes whole files; a failure ends the test with a clear message.
QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);
} // namespace TestSupport
