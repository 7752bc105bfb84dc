#pragma once
// The backup copy of a table: the folder "Backup" under the database's folder holds a
// database file of its own ("Backup/tillbridge.db"), and a copy replaces the table of the
// same name there (structure and rows) with the table as last committed. The copy runs
// on a connection of its own: it reads the source without holding up its writers and
// writes only the backup file, in one transaction, so a failed copy leaves the previous
// one as it was.
#include <QString>

class TDatabase;

namespace TableBackup {
QString BackupFolder(const TDatabase& db);
// Raises EDBEngineError when the table is missing or the copy cannot be written.
void CopyToBackup(TDatabase& db, const QString& table);
} // namespace TableBackup
