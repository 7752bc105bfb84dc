// Saves a small coupon poll (100 records in 4 data blocks, after the header block) through
// the coupon decoder of a ROM 3.04 driver, over and over into one data folder, as a
// polling session does. With so few rows a save's cost is its fixed part: the table
// checks, the backup copy, the staging area and the commit. Prints the mean CPU time of
// the calling thread per save over all saves and over the best round of 50 (the machine
// may be shared: the best round is the steadier figure), and the mean wall time.
#include "BenchHome.h"
#include "BenchWorkFile.h"
#include "PollDataFolder.h"
#include "RptChoice.h"

#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/TQuery.h"
#include "store/streaming/StreamRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

namespace {
using namespace BenchWorkFile;

constexpr int kRecords = 100;
constexpr int kDataBlocks = 4;
constexpr int kPerBlock = kRecords / kDataBlocks;

// Coupon n: total n * 7 cents, count n % 1000.
QByteArray WorkFile() {
  QByteArray file = WithHeader(1 + kDataBlocks);
  for (int block = 0; block < kDataBlocks; ++block) {
    QByteArray data;
    for (int n = block * kPerBlock; n < (block + 1) * kPerBlock; ++n) data += Bcd(n * 7, 6) + Bcd(n % 1000, 5);
    AddBlock(file, Framed(data, block + 2));
  }
  return file;
}

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

qint64 Count(const QString& sql) {
  TQuery query(QStringLiteral("V6_CRS_DATA"));
  query.Exec(sql, {});
  return query.Next() ? query.Value(0).toLongLong() : -1;
}
} // namespace

int main(int argc, char** argv) {
  const BenchHome home;
  QCoreApplication app(argc, argv);
  const int saves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  const QString path = home.FilePath(QStringLiteral("coupon.blk"));
  BenchWorkFile::Write(path, WorkFile());
  const PollDataFolder data(home.FilePath(QStringLiteral("data")));
  tMachine machine;
  machine.MachineId = QStringLiteral("bench");
  machine.SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0304")), &machine));
  auto report = RptChoice::ByName(*machine.Ecr(), QStringLiteral("tEcrRptCrs3000Coupon"));
  auto save = [&] {
    QFile file(path);
    report->ReadBlockFile(file);
  };
  save(); // the first save makes the tables and the backup copy
  constexpr int kRound = 50;
  double cpu = 0, bestRound = 1e9;
  const auto wallStart = std::chrono::steady_clock::now();
  for (int done = 0; done < saves; done += kRound) {
    const int count = std::min(kRound, saves - done);
    const double start = ThreadCpuSeconds();
    for (int i = 0; i < count; ++i) save();
    const double spent = ThreadCpuSeconds() - start;
    cpu += spent;
    if (count == kRound) bestRound = std::min(bestRound, spent / count);
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  if (Count(QStringLiteral("SELECT count(*) FROM \"tEcrRptCrs3000Coupon\"")) != qint64(saves + 1) * kRecords)
    throw std::runtime_error("rows lost");
  std::printf("saving a %d-record coupon poll in %d blocks (%d saves): CPU of the calling thread %.3f ms a save "
              "(best round of %d: %.3f ms), wall %.3f ms a save\n",
              kRecords, kDataBlocks + 1, saves, cpu * 1000 / saves, kRound, bestRound < 1e9 ? bestRound * 1000 : 0.0,
              wall * 1000 / saves);
  return 0;
}
