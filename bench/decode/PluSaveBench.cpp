// Saves a PLU poll of 10,000 records (a header block and 200 blocks of 50 records of 39
// bytes) through the PLU decoder, as a poll read over the line is saved: the work file
// read, every record decoded with its memory's code and descriptor looked up in a PLU
// program of 10,000 rows, and the poll row and report rows written in one transaction.
// The same rows are also inserted raw, with prepared statements of the database library,
// into a table of the same structure with the same file settings and one transaction.
// Prints both rates and the decoder's share of the raw rate.
#include "BenchHome.h"
#include "BenchWorkFile.h"
#include "PollDataFolder.h"
#include "RawSqliteInsert.h"

#include "crs3000/tEcrRptCrs3000PLU.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/TimingProfile.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <stdexcept>

namespace {
using namespace BenchWorkFile;

constexpr int kRecords = 10000;
constexpr int kPerBlock = 50;
constexpr int kBlocks = kRecords / kPerBlock; // 200
double rawRate = 0;
double saveRate = 0;

QByteArray Descriptor(int memory) { return QByteArray("PLU ") + QByteArray::number(memory); }
qint64 PluCode(int memory) { return 100000 + memory; }

// Memory m (from 1): total m * 7 % 100000 cents, count m % 1000, the others small.
QByteArray WorkFile() {
  QByteArray file = WithHeader(1 + kBlocks);
  for (int block = 0; block < kBlocks; ++block) {
    QByteArray data;
    for (int m = block * kPerBlock + 1; m <= (block + 1) * kPerBlock; ++m)
      data += Bcd(m * 7 % 100000, 6) + Bcd(m % 1000, 5) + Bcd(m % 7, 5) + Bcd(m % 3, 5) + Bcd(m * 11, 6) + Bcd(m % 5, 6) +
              Bcd(m % 2, 6);
    AddBlock(file, Framed(data, block + 2));
  }
  return file;
}

// The register's PLU program as the decoder reads it: code and descriptor by memory.
class tBenchPluPrg final : public tEcrPrg {
public:
  explicit tBenchPluPrg(TBlank blank) : tEcrPrg(blank) {}
  static const TClass& StaticClass() {
    static const TClass cls("tEcrPrgCrs3000PLU", &tEcrPrg::StaticClass(), []() -> TObject* { return new tBenchPluPrg(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  QString GetPrgName() const override { return QStringLiteral("PLU"); }
  void EncodeRecord(TTable&, TEcrBlock&, int, int&) override {}
  void DefineTable(TTable& table) override {
    table.FieldDefs() = DescribeTable()->fields;
    table.IndexDefs() = DescribeTable()->indexes;
  }
  std::optional<TTableDef> DescribeTable() const override {
    return TTableDef{LocalTableName(),
                     {{"Memory Number", TFieldType::Long}, {"PluCode", TFieldType::Long}, {"Descriptor", TFieldType::Alpha, 12}},
                     {{QString(), {"Memory Number"}, true, true}}};
  }
};

class BenchDriver : public tEcr {
public:
  BenchDriver() : tEcr(TBlank{}) {
    Create(nullptr);
    auto program = tEcrFnct::New<tBenchPluPrg>(this);
    program->OpenTable();
    TDatabase& db = TSession::Default().Database(program->GetDataBaseName());
    db.StartTransaction();
    for (int m = 1; m <= kRecords; ++m) {
      TQuery insert(db);
      insert.Exec(QStringLiteral("INSERT INTO \"%1\" VALUES (?, ?, ?)").arg(program->LocalTableName()),
                  {m, PluCode(m), QString::fromLatin1(Descriptor(m))});
    }
    db.Commit();
    program->CloseTable();
    AddPrg(std::move(program));
  }
};

void RawInsert(benchmark::State& state) {
  QTemporaryDir dir;
  TTableDef def;
  {
    const PollDataFolder data(dir.filePath(QStringLiteral("def")));
    BenchDriver driver;
    def = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver)->DescribeTable().value();
  }
  for (auto _ : state) {
    const double rate = RawSqliteInsert::Run(state, dir.path(), def, kRecords, [](sqlite3_stmt* insert, int n) {
      const int m = n + 1;
      sqlite3_bind_int64(insert, 1, 1);
      sqlite3_bind_int64(insert, 2, m);
      sqlite3_bind_int64(insert, 3, PluCode(m));
      RawSqliteInsert::BindText(insert, 4, Descriptor(m));
      sqlite3_bind_double(insert, 5, (m * 7 % 100000) / 100.0);
      sqlite3_bind_int64(insert, 6, m % 1000);
      sqlite3_bind_int64(insert, 7, m % 7);
      sqlite3_bind_int64(insert, 8, m % 3);
      sqlite3_bind_int64(insert, 9, m * 11);
      sqlite3_bind_int64(insert, 10, m % 5);
      sqlite3_bind_int64(insert, 11, m % 2);
    });
    rawRate = std::max(rawRate, rate);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

// The rows of earlier runs go; the tables stay, as in a data folder in use.
void EmptyTables() {
  for (const char* table : {"AllPolls", "tEcrRptCrs3000PLU"}) {
    TQuery query(QStringLiteral("V6_CRS_DATA"));
    try {
      query.Exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table)), {});
    } catch (const Exception&) { // not made yet
    }
  }
}

qint64 NamedRows(qint32 pollId) {
  TQuery query(QStringLiteral("V6_CRS_DATA"));
  query.Exec(QStringLiteral("SELECT COUNT(*) FROM \"tEcrRptCrs3000PLU\" WHERE \"Poll Id\" = ? AND \"Name\" LIKE 'PLU %'"),
             {pollId});
  return query.Next() ? query.Value(0).toLongLong() : 0;
}

void DecodeAndSave(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("plu.blk"));
  BenchWorkFile::Write(path, WorkFile());
  const PollDataFolder data(dir.filePath(QStringLiteral("data")));
  BenchDriver driver;
  for (auto _ : state) {
    state.PauseTiming();
    EmptyTables();
    auto report = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver);
    QFile file(path);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    report->ReadBlockFile(file);
    saveRate = std::max(saveRate, kRecords / RawSqliteInsert::SecondsSince(start));
    state.PauseTiming();
    if (NamedRows(report->PollId) != kRecords) throw std::runtime_error("rows lost or not named");
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
  return RawSqliteInsert::RunAndPrintRatio(argc, argv, QStringLiteral("saving a %1-record PLU poll with its names (best of 10)").arg(kRecords), rawRate, saveRate);
}
