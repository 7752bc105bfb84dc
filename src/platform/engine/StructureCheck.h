#pragma once
// The check of a table against its declared structure, and its creation when missing.
// Fields are compared in order (name without regard to case, type, and the size of
// alpha and bytes fields), indexes by name (fields in order and options). The one
// repair made is lossless: declared fields missing at the end of the stored table are
// added (empty in the existing rows). Anything else is reported, never changed.
#include "platform/engine/TableDef.h"

#include <QStringList>

class TDatabase;

namespace StructureCheck {
// Every difference, worded for the user ("field 3 is ..., declared ...").
QStringList Differences(const TTableDef& declared, const TTableDef& stored);
// Creates the table when the database has none of that name, adds missing trailing
// fields, and answers "" when the table then has the declared structure, otherwise a
// message naming the table and its differences. Errors of the database raise.
QString CheckOrCreate(TDatabase& db, const TTableDef& declared);
} // namespace StructureCheck
