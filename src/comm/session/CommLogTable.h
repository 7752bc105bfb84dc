#pragma once
// The communication log, CommLog in the data folder: one row a polling session, written
// when its window opens and completed when it ends, and browsed in "View Comm Log".
#include "platform/engine/TableDef.h"

#include <QString>
#include <QStringList>

class TDatabase;
class TTable;

namespace CommLogTable {
inline constexpr char kName[] = "CommLog";

// ID, StartTime, EndTime, Duration, CommType, Result, StoreNumber, MachineNumber,
// MachineID, LogEntry; the primary index on ID.
TTableDef Def();
// The label a field is shown under ("Comm Type" for "CommType"); the name itself for
// fields without one.
QString DisplayLabel(const QString& field);
// The columns of the viewer's grid, in order.
const QStringList& GridFields();

// Points the cursor at the table in the data folder.
void Locate(TTable& table);
// The data folder's database with the table checked as Open checks it, for writing a row
// without a cursor (a cursor reads every row's id when it opens, and the log only grows).
TDatabase& Checked();
// Locates and opens the table for writing a row: the table is checked against its
// definition first (created when missing, missing trailing fields added), so a row is
// never half written into a table of another shape; a table whose stored structure
// differs otherwise raises ECommLogTable with the differences. Engine errors pass on.
void Open(TTable& table);
} // namespace CommLogTable
