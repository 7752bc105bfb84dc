#pragma once
// Job ids: the decimal digits of a number, left-padded with "0" to 6 digits ("000000",
// "000001", ...). Larger numbers are written in full. A pending id and a history id are
// two separate sequences.
#include <QString>

QString PadNumber(qint64 number);
// The number of an id; -1 for a text that is not one.
qint64 IdNumber(const QString& id);
// The id after the given one ("000001" after "000000"); first when last is empty.
QString NextId(const QString& last, qint64 first);
