#pragma once
// The backup copy of a table: the folder "Backup" under the database's folder holds a
// database file of its own ("Backup/tillbridge.db") with a copy of the table as last
// committed (structure, rows and their record ids), from which the table can be restored.
//
// The copy is made in full once; afterwards each call brings it up to date with what
// changed since the last one: the rows added at the top and the rows the table's change
// list (TableBackupLog) names as deleted or changed. So a call costs what changed, not
// what the table holds, and the report tables, copied at every open, do not make a poll's
// save slower as their history grows. A full copy is made again whenever the state of
// the copy cannot be trusted: no copy yet, another structure, or a table that lost its
// change list (re-created, or made by a program that did not keep one).
//
// The copy runs on a connection of its own, kept open with the database (BackupLink): it
// reads the source without holding up its writers and writes only the backup file, in one
// transaction, so a failed copy leaves the previous one as it was.
#include <QString>

class TDatabase;

namespace TableBackup {
QString BackupFolder(const TDatabase& db);
// Brings the copy up to date. Raises EDBEngineError when the table is missing or the copy
// cannot be written.
void CopyToBackup(TDatabase& db, const QString& table);
// Replaces the table (structure and rows) with its copy, in one transaction; the copy
// stays and goes on from there. Raises TableMissing when there is no copy of the table,
// TableBusy while a cursor has the table open.
void RestoreFromBackup(TDatabase& db, const QString& table);
} // namespace TableBackup
