// Saves a coupon poll of 10,000 records (a header block and 56 blocks of up to 180 records
// of 11 bytes) through the coupon decoder of a ROM 3.02 driver, as a poll read over the
// line is saved: the work file read, every record decoded with its coupon's name looked up
// in the coupon program, and the poll row and report rows written in one transaction. The
// same rows are also inserted raw, with prepared statements of the database library, into
// a table of the same structure with the same file settings and one transaction. Prints
// both rates and the decoder's share of the raw rate.
#include "BenchHome.h"
#include "BenchWorkFile.h"
#include "PollDataFolder.h"
#include "PollSummary.h"
#include "RawSqliteInsert.h"
#include "RptChoice.h"

#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/TimingProfile.h"
#include "store/streaming/StreamRegistry.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <stdexcept>

namespace {
using namespace BenchWorkFile;

constexpr int kRecords = 10000;
constexpr int kPerBlock = 180;
constexpr int kBlocks = (kRecords + kPerBlock - 1) / kPerBlock; // 56
double rawRate = 0;
double saveRate = 0;

// Coupon n: total n * 7 % 100000 cents, count n % 1000.
QByteArray WorkFile() {
  QByteArray file = WithHeader(1 + kBlocks);
  for (int block = 0; block < kBlocks; ++block) {
    QByteArray data;
    for (int n = block * kPerBlock; n < qMin(kRecords, (block + 1) * kPerBlock); ++n)
      data += Bcd(n * 7 % 100000, 6) + Bcd(n % 1000, 5);
    AddBlock(file, Framed(data, block + 2));
  }
  return file;
}

struct Driver {
  tMachine machine;
  Driver() {
    machine.MachineId = QStringLiteral("bench");
    machine.SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0302")), &machine));
  }
  std::unique_ptr<tEcrRpt> Coupon() { return RptChoice::ByName(*machine.Ecr(), QStringLiteral("tEcrRptCrs3000Coupon")); }
};

void RawInsert(benchmark::State& state) {
  QTemporaryDir dir;
  TTableDef def;
  {
    const PollDataFolder data(dir.filePath(QStringLiteral("def")));
    Driver driver;
    def = driver.Coupon()->DescribeTable().value();
  }
  for (auto _ : state) {
    const double rate = RawSqliteInsert::Run(state, dir.path(), def, kRecords, [](sqlite3_stmt* insert, int n) {
      sqlite3_bind_int64(insert, 1, 1);
      sqlite3_bind_int64(insert, 2, n + 1);
      RawSqliteInsert::BindText(insert, 3, QByteArrayLiteral("Undefined"));
      sqlite3_bind_double(insert, 4, (n * 7 % 100000) / 100.0);
      sqlite3_bind_int64(insert, 5, n % 1000);
    });
    rawRate = std::max(rawRate, rate);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

// The rows of earlier runs go; the tables stay, as in a data folder in use.
void EmptyTables() {
  for (const char* table : {"AllPolls", "tEcrRptCrs3000Coupon"}) {
    TQuery query(QStringLiteral("V6_CRS_DATA"));
    try {
      query.Exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table)), {});
    } catch (const Exception&) { // not made yet
    }
  }
}

void DecodeAndSave(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("coupon.blk"));
  BenchWorkFile::Write(path, WorkFile());
  const PollDataFolder data(dir.filePath(QStringLiteral("data")));
  Driver driver;
  for (auto _ : state) {
    state.PauseTiming();
    EmptyTables();
    const PollSummary summary;
    auto report = driver.Coupon();
    QFile file(path);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    report->ReadBlockFile(file);
    saveRate = std::max(saveRate, kRecords / RawSqliteInsert::SecondsSince(start));
    state.PauseTiming();
    const QList<SavedPoll> polls = summary.NewPolls(*driver.machine.Ecr());
    if (polls.size() != 1 || polls.first().rows != kRecords) throw std::runtime_error("rows lost");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
} // namespace

BENCHMARK(RawInsert)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeAndSave)->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  const BenchHome home;
  QCoreApplication app(argc, argv);
  return RawSqliteInsert::RunAndPrintRatio(argc, argv, QStringLiteral("saving a %1-record coupon poll (best of 10)").arg(kRecords), rawRate, saveRate);
}
