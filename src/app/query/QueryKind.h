#pragma once
// The kind of report a request asks about, and the numbers in a request's parameter.
#include <QString>

class tEcr;

namespace QueryKind {
enum Kind { Plu = 0, Financial = 1, Group = 2, TimeKeeping = 3 };

// A whole number in the parameter's text (leading blanks, a sign, digits, or "$" and
// hexadecimal digits); EQueryRequest otherwise.
qint32 ParseInt(const QString& text, const char* what);
// The kind in the text; EQueryRequest for a number outside 0 to 3.
Kind Parse(const QString& text);
// The driver's report class for the kind, from its field maps.
QString ReportClass(const tEcr& ecr, Kind kind);
} // namespace QueryKind
