#pragma once
// The text form of table rows in the table export files: one line per row, the fields
// joined with ",". A field that holds a comma, a double quote or a line break is quoted
// ("say ""hi"", then go"); every other field is written as it is.
//
// Reading accepts those lines and the older ones in which nothing was ever quoted: a field
// that starts with a double quote is read as quoted only when its closing quote is
// followed by a comma or the end of the line; otherwise it is read as it stands. (An old
// field that was itself wholly enclosed in double quotes cannot be told from a quoted one.)
//
// An empty field is a null text ("no value"); an empty text that is a value is written
// as the quoted empty field "" and reads back as an empty, non-null text.
#include <QList>
#include <QString>
#include <QStringList>

namespace TableTextCodec {
// A null text is written as nothing, an empty one as "".
QString QuotedField(const QString& text);
// The records of a whole file's text; lines end with CRLF, LF or CR. A line end after the
// last record makes no further record; an empty line in between is a record of one empty
// field.
QList<QStringList> ParseRecords(const QString& text);
} // namespace TableTextCodec
