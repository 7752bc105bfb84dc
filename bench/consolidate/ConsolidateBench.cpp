// A consolidation of 1,500 stored PLU polls of 1,000 rows each (1.5 million rows): the
// qualifying polls found, the summed rows written as a temporary poll and removed again,
// with no preview. Against it, one plain SQL aggregate of the same sums over the same rows,
// every result row read. Prints both times and the consolidation's speed as a share of the
// aggregate's.
#include "BenchHome.h"
#include "PollDataFolder.h"
#include "RawSqliteInsert.h"

#include "crs3000/tEcrRptCrs3000PLU.h"
#include "model/TdmAllPolls.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/TDateTime.h"
#include "reports/PollConsolidation.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace {
constexpr int kPolls = 1500;
constexpr int kRows = 1000;
const QString kAlias = QStringLiteral("V6_CRS_DATA");
double aggregateSeconds = 0;
double consolidateSeconds = 0;

using RawSqliteInsert::SecondsSince;

class BenchDriver : public tEcr {
public:
  BenchDriver() : tEcr(TBlank{}) { Create(nullptr); }
};

ConsolidationRanges Ranges() {
  ConsolidationRanges r;
  r.startDate = QDate(2026, 3, 1);
  r.endDate = QDate(2026, 3, 31);
  r.firstStore = 1;
  r.lastStore = 10;
  r.firstMachine = 1;
  r.lastMachine = 10;
  return r;
}

// 1,500 polls of the same 1,000 memories, stored as the decoder stores them.
void StorePolls(tEcrRptCrs3000PLU& plu) {
  TTable made;
  plu.OpenTable(made);  // the report table as the report defines it
  made.Close();
  TDatabase& db = TSession::Default().Database(kAlias);
  db.StartTransaction();
  TQuery poll(db), row(db);
  for (int p = 0; p < kPolls; ++p) {
    poll.Exec(QStringLiteral("INSERT INTO \"AllPolls\" (\"EcrClass\", \"EcrRptClass\", \"Report Name\", \"Poll Date\", "
                             "\"Store Number\", \"Machine Number\", \"Poll Type\", \"Polled Area\") "
                             "VALUES ('tEcrCrs3000', ?, 'PLU', ?, ?, ?, 'Z', 'AREA 1')"),
              {plu.ClassName(), TDateTime::FromDate(QDate(2026, 3, 1 + p % 28)).Days(), 1 + p % 10, 1 + p / 150});
    const qint64 pollId = poll.LastInsertId();
    for (int m = 1; m <= kRows; ++m)
      row.Exec(QStringLiteral("INSERT INTO \"%1\" (\"Poll Id\", \"Memory Number\", \"Total\", \"Count\", \"Promotion\", "
                              "\"Waste\", \"Weight\", \"Promotion Weight\", \"Waste Weight\", \"PluCode\", \"Name\") "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(plu.GetTableName()),
               {pollId, m, (m * 7 + p) / 100.0, m % 10, m % 3, m % 2, m * 11, m % 5, m % 4, 100000 + m,
                QStringLiteral("PLU %1").arg(m)});
  }
  db.Commit();
}

tEcrRptCrs3000PLU* plu = nullptr;

void PlainAggregate(benchmark::State& state) {
  const QString sql = QStringLiteral("SELECT \"Memory Number\", \"PluCode\", \"Name\", SUM(\"Total\"), SUM(\"Count\"), "
                                     "SUM(\"Promotion\"), SUM(\"Waste\"), SUM(\"Weight\"), SUM(\"Promotion Weight\"), "
                                     "SUM(\"Waste Weight\") FROM \"%1\" GROUP BY \"Memory Number\", \"PluCode\", \"Name\"")
                          .arg(plu->GetTableName());
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    TQuery query(kAlias);
    query.Exec(sql, {});
    int rows = 0;
    while (query.Next()) ++rows;
    const double seconds = SecondsSince(start);
    if (rows != kRows) throw std::runtime_error("the aggregate lost rows");
    aggregateSeconds = aggregateSeconds > 0 ? std::min(aggregateSeconds, seconds) : seconds;
  }
}

void Consolidate(benchmark::State& state) {
  PollConsolidation run(*plu, QStringLiteral("tEcrCrs3000"), QStringLiteral("PLU"));
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    qint64 rows = 0;
    run.Run(Ranges(), [&](qint32 pollId) {
      TQuery count(kAlias);
      count.Exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"Poll Id\" = ?").arg(plu->GetTableName()), {pollId});
      rows = count.Next() ? count.Value(0).toLongLong() : 0;
    });
    const double seconds = SecondsSince(start);
    if (rows != kRows) throw std::runtime_error("the consolidation lost rows");
    consolidateSeconds = consolidateSeconds > 0 ? std::min(consolidateSeconds, seconds) : seconds;
  }
}
} // namespace

BENCHMARK(PlainAggregate)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Consolidate)->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  const BenchHome home;
  QCoreApplication app(argc, argv);
  {
    const PollDataFolder data(home.FilePath(QStringLiteral("data")));
    BenchDriver driver;
    auto report = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver);
    plu = report.get();
    tEcrRpt::OpenAllPolls();
    StorePolls(*plu);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plu = nullptr;
    TdmAllPolls::Create().tblAllPolls.Close();
  }
  if (aggregateSeconds > 0 && consolidateSeconds > 0)
    std::printf("consolidating %d PLU polls of %d rows (best of 5): plain SQL aggregate %.0f ms, consolidation %.0f ms, "
                "speed ratio %.2f (target >= 0.3)\n",
                kPolls, kRows, aggregateSeconds * 1000, consolidateSeconds * 1000, aggregateSeconds / consolidateSeconds);
  TSession::Default().CloseAll();
  return 0;
}
