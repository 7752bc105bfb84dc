// Saves a synthetic poll of 10,000 records (a header block and 50 blocks of 200 records
// of 20 bytes) through a CRS 3000 report decoder: the work file is read, every record
// decoded through the codecs into a staging copy, and the poll row and report rows are
// written in one transaction. The same rows are also inserted raw, with prepared
// statements of the database library, into a table of the same structure with the same
// file settings and one transaction. Prints both rates and the report's share.
#include "BenchHome.h"
#include "BenchWorkFile.h"
#include "tBenchPluReport.h"
#include "crs3000/tEcrRptCrs3000.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/TimingProfile.h"

#include "RawSqliteInsert.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <stdexcept>

namespace {
using namespace BenchWorkFile;

constexpr int kRecords = 10000;
constexpr int kPerBlock = 200;
double rawRate = 0;
double saveRate = 0;

// 20-byte records: a 6-byte total, a 5-byte count and 9 characters of name.
QByteArray WorkFile() {
  QByteArray file = WithHeader(1 + kRecords / kPerBlock);
  for (int block = 0; block < kRecords / kPerBlock; ++block) {
    QByteArray data;
    for (int i = 0; i < kPerBlock; ++i) {
      const int n = block * kPerBlock + i;
      data += Bcd(n * 7 % 100000, 6) + Bcd(n % 1000, 5) + QByteArray("ITEM").append(QByteArray::number(n).rightJustified(5, '0'));
    }
    AddBlock(file, Framed(data, block + 2));
  }
  return file;
}

void FreshData() {
  TSession::Default().CloseAll();
  const QString data = *EngineConfig::AliasPath(QString::fromLatin1(EngineConfig::kDataAlias));
  QDir(data).removeRecursively();
  QDir().mkpath(data);
}

void RawInsert(benchmark::State& state) {
  QTemporaryDir dir;
  for (auto _ : state) {
    const double rate = RawSqliteInsert::Run(state, dir.path(), tEcrFnct::New<tBenchPluReport>(nullptr)->DescribeTable().value(), kRecords, [](sqlite3_stmt* insert, int n) {
      sqlite3_bind_int64(insert, 1, 1);
      sqlite3_bind_int64(insert, 2, n + 1);
      RawSqliteInsert::BindText(insert, 3, QByteArray("ITEM") + QByteArray::number(n).rightJustified(5, '0'));
      sqlite3_bind_int64(insert, 4, n % 1000);
      sqlite3_bind_double(insert, 5, (n * 7 % 100000) / 100.0);
    });
    rawRate = std::max(rawRate, rate);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void DecodeAndSave(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("poll.blk"));
  BenchWorkFile::Write(path, WorkFile());
  for (auto _ : state) {
    state.PauseTiming();
    FreshData();
    auto report = tEcrFnct::New<tBenchPluReport>(nullptr);
    QFile file(path);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    report->ReadBlockFile(file);
    saveRate = std::max(saveRate, kRecords / RawSqliteInsert::SecondsSince(start));
    state.PauseTiming();
    TTable check;
    report->OpenTable(check);
    if (check.RecordCount() != kRecords) throw std::runtime_error("rows lost");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
} // namespace

BENCHMARK(RawInsert)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeAndSave)->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  const BenchHome home;
  QCoreApplication app(argc, argv);
  return RawSqliteInsert::RunAndPrintRatio(argc, argv, QStringLiteral("saving a %1-record poll (best of 5)").arg(kRecords), rawRate, saveRate);
}
