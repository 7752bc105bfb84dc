#pragma once
// The yardstick of the storage benchmarks: rows inserted with prepared statements of the
// database library itself, into a table the engine created from the same definition, with
// the engine's file settings (WAL, full sync) and one transaction.
#include "platform/engine/TableDef.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>
#include <chrono>
#include <functional>

namespace RawSqliteInsert {
// Binds the values of row `row` to the insert's parameters, one per field of the definition.
using Binder = std::function<void(sqlite3_stmt* insert, int row)>;

// Makes a fresh database in `folder`, inserts `rows` rows inside the timed part of the
// benchmark iteration, and returns the rate in rows per second (setup and close untimed).
double Run(benchmark::State& state, const QString& folder, const TTableDef& def, int rows, const Binder& bind);

// Closes the engine's databases and removes the database file of `folder` with its journal
// files, so that the next run starts from nothing.
void RemoveDatabase(const QString& folder);

// A text parameter bound from UTF-8 bytes the statement copies.
void BindText(sqlite3_stmt* insert, int parameter, const QByteArray& text);

double SecondsSince(std::chrono::steady_clock::time_point since);

// The rest of a save benchmark's main: runs the benchmarks of the command line, prints the
// best rates measured (raw inserts against the system's decode and save, `what` naming the
// poll and the runs) with their ratio against the 0.25 target, and closes the databases.
int RunAndPrintRatio(int& argc, char** argv, const QString& what, const double& rawRate, const double& saveRate);
} // namespace RawSqliteInsert
