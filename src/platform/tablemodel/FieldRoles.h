#pragma once
// How a field's stored value (TField::Value) shows in a table model, by field type, and
// how an edited value goes back into the field.
//   display    text, numbers, QDate / QTime / QDateTime, bool; money as "12.34";
//              blobs and byte fields as "(Blob)" / "(Bytes)"
//   edit       as display, but money as a double and blobs and bytes as QByteArray
//   check      logical fields only: Qt::Checked / Qt::Unchecked
// The record id (autoincrement) and blobs are not edited through a table model.
#include "platform/engine/TableDef.h"

#include <QVariant>

class TField;

namespace FieldRoles {
QVariant Display(TFieldType type, const QVariant& stored);
QVariant Edit(TFieldType type, const QVariant& stored);
QVariant Check(TFieldType type, const QVariant& stored);
bool Editable(TFieldType type);
bool Numeric(TFieldType type);
// Sets the field from an edit or check value; an invalid value clears it.
void Store(TField& field, const QVariant& value, int role);
} // namespace FieldRoles
