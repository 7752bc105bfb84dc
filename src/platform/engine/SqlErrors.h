#pragma once
// Turns an error of the database file into the engine's error, by its kind: a unique
// index refused the row (key violation), the file is locked by another writer (busy), the
// file is damaged or is no database (corrupt), the file cannot be read or written (OS
// error). Only a statement over a table that is not there gives "Table does not exist.".
#include "platform/engine/EDBEngineError.h"

#include <QSqlError>

namespace SqlErrors {
int CodeOf(const QSqlError& error);
EDBEngineError ToEngineError(const QSqlError& error, const QString& context);
[[noreturn]] void Raise(const QSqlError& error, const QString& context);
} // namespace SqlErrors
