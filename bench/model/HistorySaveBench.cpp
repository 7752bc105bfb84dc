// Saves one small poll (20 records of a CRS 3000 report decoder) into a data folder that
// already holds 100,000 stored polls with their report rows, and the same poll into a data
// folder without stored polls, in turns; prints the median time of each and their ratio.
// A save's cost should not grow with the history a folder holds (target: at most 1.5).
//
// Each folder is set up before timing: its tables made, the full folder filled in one
// transaction, and one save made in each (so the report table's backup copy exists and
// the table of stored polls is open, as in a program that has saved before).
#include "BenchHome.h"
#include "BenchWorkFile.h"
#include "tBenchPluReport.h"
#include "crs3000/tEcrRptCrs3000.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/TimingProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {
using namespace BenchWorkFile;

constexpr int kStoredPolls = 100000;
constexpr int kRecords = 20;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

// 20-byte records: a 6-byte total, a 5-byte count and 9 characters of name.
QByteArray WorkFile() {
  QByteArray file = WithHeader(2);
  QByteArray data;
  for (int n = 0; n < kRecords; ++n)
    data += Bcd(n * 7 % 100000, 6) + Bcd(n % 1000, 5) + QByteArray("ITEM").append(QByteArray::number(n).rightJustified(5, '0'));
  AddBlock(file, Framed(data, 2));
  return file;
}

// Makes the data alias point at folder, with nothing of another folder left open.
void UseFolder(const QString& folder) {
  TSession::Default().CloseAll();
  EngineConfig::SetAlias(kData, folder);
}

double SaveSeconds(tEcrRpt& report, const QString& workFile) {
  QFile file(workFile);
  const auto start = std::chrono::steady_clock::now();
  report.ReadBlockFile(file);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The stored polls, each with its report rows, added in one transaction.
void FillHistory(const tEcrRpt& report) {
  TDatabase& db = TSession::Default().Database(kData);
  const QString table = report.GetTableName();
  db.StartTransaction();
  TQuery(db).Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                 "INSERT INTO \"AllPolls\" (\"EcrRptClass\", \"Report Name\") SELECT ?, 'PLU' FROM n"),
                  {kStoredPolls, report.ClassName()});
  TQuery(db).Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                 "INSERT INTO \"%1\" (\"Poll Id\", \"Memory Number\", \"Name\", \"Item Count\", \"Item Total\") "
                                 "SELECT i / %2 + 1, i % %2 + 1, 'ITEM' || (i % %2), i % 1000, (i * 7 % 100000) / 100.0 FROM n")
                      .arg(table)
                      .arg(kRecords),
                  {qint64(kStoredPolls) * kRecords - 1});
  db.Commit();
}

qint64 StoredPolls() {
  TQuery query(TSession::Default().Database(kData));
  query.Exec(QStringLiteral("SELECT count(*) FROM \"AllPolls\""), {});
  return query.Next() ? query.Value(0).toLongLong() : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
  tBenchPluReport::recordsInBlock = kRecords; // one block a poll
  const BenchHome home;
  QCoreApplication app(argc, argv);

  const QString workFile = home.FilePath(QStringLiteral("poll.blk"));
  BenchWorkFile::Write(workFile, WorkFile());
  const QString empty = home.FilePath(QStringLiteral("empty"));
  const QString full = home.FilePath(QStringLiteral("full"));
  QDir().mkpath(empty);
  QDir().mkpath(full);
  auto report = tEcrFnct::New<tBenchPluReport>(nullptr);

  const auto setupStart = std::chrono::steady_clock::now();
  UseFolder(full);
  {
    TTable table;
    report->OpenTable(table); // makes the report table
  }
  tEcrRpt::OpenAllPolls();
  FillHistory(*report);
  SaveSeconds(*report, workFile);
  UseFolder(empty);
  SaveSeconds(*report, workFile);
  std::printf("setup: %d stored polls of %d records filled and copied in %.1f s\n", kStoredPolls, kRecords,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - setupStart).count());

  // The number of timed saves into each folder: the first argument, 25 without one.
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
  std::vector<double> emptyTimes, fullTimes;
  for (int round = 0; round < rounds; ++round) {
    UseFolder(empty);
    SaveSeconds(*report, workFile); // the first save after switching pays for opening
    emptyTimes.push_back(SaveSeconds(*report, workFile));
    UseFolder(full);
    SaveSeconds(*report, workFile);
    fullTimes.push_back(SaveSeconds(*report, workFile));
  }
  if (StoredPolls() < kStoredPolls) throw std::runtime_error("stored polls lost");
  const double emptyMs = Median(emptyTimes) * 1000, fullMs = Median(fullTimes) * 1000;
  std::printf("saving a %d-record poll (median of %d): into an empty data folder %.2f ms, into one holding %d stored "
              "polls %.2f ms, ratio %.2f (target <= 1.5)\n",
              kRecords, rounds, emptyMs, kStoredPolls, fullMs, fullMs / emptyMs);
  TSession::Default().CloseAll();
  return 0;
}
