#pragma once
// The stored form of a value given for a field: text for alpha and memo (an alpha text
// cut to the field's size and, unless the field keeps every byte, at its first zero
// character), a 64-bit integer for short, long, logical (0 or 1) and
// autoincrement fields, a double for money, number and the day numbers of dates and
// times, bytes for blob and bytes fields. A short integer outside -32768..32767, a
// number that is not finite, or a text that is no value of the type raises
// EDBEngineError naming the field.
#include "platform/engine/TableDef.h"

#include <QVariant>

namespace FieldValue {
QVariant Stored(const TFieldDef& field, const QVariant& value);
// The same for values of a known kind, without going through a QVariant first.
QVariant FromInteger(const TFieldDef& field, qint64 value);
QVariant FromDouble(const TFieldDef& field, double value);
QVariant FromText(const TFieldDef& field, const QString& text);
} // namespace FieldValue
