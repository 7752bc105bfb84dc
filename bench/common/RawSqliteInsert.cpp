#include "RawSqliteInsert.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"

#include <QFile>
#include <cstdio>
#include <QStringList>
#include <stdexcept>

namespace {
void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) throw std::runtime_error(error ? error : sql);
}

QByteArray InsertSql(const TTableDef& def) {
  QStringList names, marks;
  for (const TFieldDef& field : def.fields) {
    names.append(QLatin1Char('"') + field.name + QLatin1Char('"'));
    marks.append(QStringLiteral("?"));
  }
  return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
      .arg(def.name, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))
      .toUtf8();
}

QString DatabaseFile(const QString& folder) {
  return folder + QLatin1Char('/') + QLatin1String(EngineConfig::kDatabaseFileName);
}

sqlite3* FreshDatabase(const QString& folder, const TTableDef& def) {
  RawSqliteInsert::RemoveDatabase(folder);
  const QString file = DatabaseFile(folder);
  {
    TDatabase create(QString(), folder); // the table exactly as the engine makes it
    create.Open();
    create.CreateTable(def);
  }
  sqlite3* db = nullptr;
  if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK) throw std::runtime_error("cannot open");
  Exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL");
  return db;
}
} // namespace

void RawSqliteInsert::RemoveDatabase(const QString& folder) {
  TSession::Default().CloseAll();
  for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(DatabaseFile(folder) + QLatin1String(suffix));
}

double RawSqliteInsert::SecondsSince(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void RawSqliteInsert::BindText(sqlite3_stmt* insert, int parameter, const QByteArray& text) {
  sqlite3_bind_text(insert, parameter, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

double RawSqliteInsert::Run(benchmark::State& state, const QString& folder, const TTableDef& def, int rows,
                            const Binder& bind) {
  state.PauseTiming();
  sqlite3* db = FreshDatabase(folder, def);
  state.ResumeTiming();
  const auto start = std::chrono::steady_clock::now();
  Exec(db, "BEGIN IMMEDIATE");
  sqlite3_stmt* insert = nullptr;
  if (sqlite3_prepare_v2(db, InsertSql(def).constData(), -1, &insert, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db));
  for (int row = 0; row < rows; ++row) {
    bind(insert, row);
    if (sqlite3_step(insert) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  Exec(db, "COMMIT");
  const double rate = rows / SecondsSince(start);
  state.PauseTiming();
  sqlite3_close(db);
  state.ResumeTiming();
  return rate;
}

int RawSqliteInsert::RunAndPrintRatio(int& argc, char** argv, const QString& what, const double& rawRate,
                                      const double& saveRate) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (rawRate > 0 && saveRate > 0)
    std::printf("%s: raw prepared inserts %.0f records/s, decode and save %.0f records/s, ratio %.2f (target >= 0.25)\n",
                qPrintable(what), rawRate, saveRate, saveRate / rawRate);
  TSession::Default().CloseAll();
  return 0;
}
