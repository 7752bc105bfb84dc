#pragma once
// Field values as text, the way a cursor's AsString and SetAsString see them: numbers in
// the plain "12.34" form, logical values as "True"/"False", dates "M/d/yyyy", times
// "h:mm:ss AM" and date-times as both, blobs byte for byte (one character per byte).
// The empty text is the null value of every type but alpha and memo.
#include "platform/engine/TableDef.h"

#include <QVariant>

namespace FieldText {
QString Format(const TFieldDef& field, const QVariant& stored);
// The stored form of a text; raises EDBEngineError (InvalidValue) naming the field.
QVariant Parse(const TFieldDef& field, const QString& text);
// A day number as a date field shows it, and as a date-time field.
QString DateText(double days);
QString DateTimeText(double days);
// The shortest text that reads back as the same double, without an exponent.
QString Number(double value);
} // namespace FieldText
