// Appends 100,000 report rows in one transaction, once through the engine's cursor
// (Append, FieldByName(...).SetAs..., Post) and once as raw prepared inserts of the
// database library with the same values, file settings and transaction; prints both
// rates and the engine's share of the raw rate.
#include "platform/engine/TDatabase.h"
#include "platform/engine/TTable.h"
#include "platform/engine/TSession.h"

#include "RawSqliteInsert.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace {
constexpr int kRows = 100000;
// The best rate of the iterations: the figure least disturbed by other work on the machine.
double rawRate = 0;
double engineRate = 0;

TTableDef ReportDef() {
  TTableDef def{QStringLiteral("tEcrRptCrs3000PLU"), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long},   {QStringLiteral("Number"), TFieldType::Long},
                {QStringLiteral("Name"), TFieldType::Alpha, 12},  {QStringLiteral("Count"), TFieldType::Number},
                {QStringLiteral("Total"), TFieldType::Money},     {QStringLiteral("Waste"), TFieldType::Number},
                {QStringLiteral("Promo"), TFieldType::Number}};
  def.indexes = {{QString(), {QStringLiteral("Poll Id"), QStringLiteral("Number")}, true, true}};
  return def;
}

// The values of row i, the same for both ways.
struct Row {
  qint64 poll, number;
  QString name;
  double count, total, waste, promo;
};
Row RowAt(int i) {
  return {7, i + 1, QStringLiteral("PLU %1").arg(i % 100000), i * 0.5, (i % 5000) * 0.01, 0.0, 1.0};
}

void RawInsert(benchmark::State& state) {
  QTemporaryDir dir;
  for (auto _ : state) {
    const double rate = RawSqliteInsert::Run(state, dir.path(), ReportDef(), kRows, [](sqlite3_stmt* insert, int i) {
      const Row row = RowAt(i);
      sqlite3_bind_int64(insert, 1, row.poll);
      sqlite3_bind_int64(insert, 2, row.number);
      RawSqliteInsert::BindText(insert, 3, row.name.toUtf8());
      sqlite3_bind_double(insert, 4, row.count);
      sqlite3_bind_double(insert, 5, row.total);
      sqlite3_bind_double(insert, 6, row.waste);
      sqlite3_bind_double(insert, 7, row.promo);
    });
    rawRate = std::max(rawRate, rate);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

void EngineAppend(benchmark::State& state) {
  QTemporaryDir dir;
  for (auto _ : state) {
    state.PauseTiming();
    RawSqliteInsert::RemoveDatabase(dir.path());
    TDatabase db(QString(), dir.path());
    db.Open();
    db.CreateTable(ReportDef());
    TTable table;
    table.SetDatabase(&db);
    table.SetTableName(QStringLiteral("tEcrRptCrs3000PLU"));
    table.Open();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    db.StartTransaction();
    for (int i = 0; i < kRows; ++i) {
      const Row row = RowAt(i);
      table.Append();
      table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(row.poll);
      table.FieldByName(QStringLiteral("Number")).SetAsInteger(row.number);
      table.FieldByName(QStringLiteral("Name")).SetAsString(row.name);
      table.FieldByName(QStringLiteral("Count")).SetAsFloat(row.count);
      table.FieldByName(QStringLiteral("Total")).SetAsFloat(row.total);
      table.FieldByName(QStringLiteral("Waste")).SetAsFloat(row.waste);
      table.FieldByName(QStringLiteral("Promo")).SetAsFloat(row.promo);
      table.Post();
    }
    db.Commit();
    engineRate = std::max(engineRate, kRows / RawSqliteInsert::SecondsSince(start));
    state.PauseTiming();
    if (table.RecordCount() != kRows) throw std::runtime_error("rows lost");
    table.Close();
    db.Close();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
} // namespace

BENCHMARK(RawInsert)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(EngineAppend)->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (rawRate > 0 && engineRate > 0)
    std::printf("appending %d rows (best of 5): raw prepared inserts %.0f rows/s, engine %.0f rows/s, ratio %.2f (target >= 0.50)\n",
                kRows, rawRate, engineRate, engineRate / rawRate);
  TSession::Default().CloseAll();
  return 0;
}
