#pragma once
// The list of changed rows that keeps a table's backup copy current without copying the
// whole table again. Two triggers of the database file note the record id of every row
// deleted or changed in the table, in one list per file; rows added at the top need no
// note, the copy takes every record id above the highest it holds. The triggers live in
// the file, so the changes of every program that writes it are noted, not only ours.
#include <QString>

class TDatabase;

namespace TableBackupLog {
// The list's table in the database file; its entries are numbered without reuse.
inline constexpr char kLogTable[] = "tb_backup_changes";

// The names of the table's two triggers.
QString DeleteTrigger(const QString& table);
QString UpdateTrigger(const QString& table);
// True when both triggers of the table are in the file (the one attached under schema,
// when one is given).
bool IsLogged(const TDatabase& db, const QString& table, const QString& schema = QString());
// Makes the list and the table's triggers when missing, in a transaction of their own.
void Start(TDatabase& db, const QString& table);
// Makes the list and the triggers within the transaction that db has open.
void StartInTransaction(TDatabase& db, const QString& table);
// Removes the table's entries up to lastSeq (those the copy has taken).
void Forget(TDatabase& db, const QString& table, qint64 lastSeq);
} // namespace TableBackupLog
