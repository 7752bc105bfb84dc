// Receives the memory allocation table of a 4.02 register from a one-block work file, as
// every logon does (a new program object each time, owned by the register's driver), and
// prints the mean CPU time of the calling thread per receive.
#include "BenchHome.h"
#include "model/tEcr.h"
#include "platform/sys/Folders.h"
#include "programming/framework/tEcrPrgCrs3000MemAlloc.h"
#include "store/streaming/StreamRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdio>
#include <ctime>

namespace {
constexpr int kRounds = 2000;

QByteArray Bcd(int value, int width) {
  const QByteArray digits = QByteArray::number(value).rightJustified(2 * width, '0');
  QByteArray bytes;
  for (int i = 0; i < width; ++i) bytes += char(((digits[2 * i] - '0') << 4) | (digits[2 * i + 1] - '0'));
  return bytes;
}

// A 37-byte record of the 4.02 layout, framed and stored as the only block of a work file.
QByteArray WorkFile() {
  QByteArray record = QByteArray("\x00\x04.\x00\x02", 5) + Bcd(2000, 2) + Bcd(4, 2) + Bcd(30, 2) + Bcd(20, 2) +
                      Bcd(50, 1) + Bcd(60, 2) + Bcd(20, 2) + Bcd(3, 1) + Bcd(24, 1) + Bcd(10, 1) + char(0) +
                      Bcd(50, 1) + Bcd(100, 2) + Bcd(1000, 2) + Bcd(200, 2) + Bcd(500, 2) + char(1) + Bcd(12, 1) +
                      Bcd(345, 2) + char(2) + char(1);
  const QByteArray block = QByteArray("\x10\x02\x01\x02", 4) + record + QByteArray("\x10\x03\xAB\xCD", 4);
  QByteArray file(8, '\0');
  qToLittleEndian<qint32>(1, file.data());
  qToLittleEndian<qint32>(qint32(block.size()), file.data() + 4);
  return file + block;
}

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}
} // namespace

int main(int argc, char** argv) {
  BenchHome home;
  QCoreApplication app(argc, argv);
  QDir().mkpath(Folders::CommonFolder());
  const QString path = home.FilePath(QStringLiteral("work.ecr"));
  {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(WorkFile()) < 0) return 1;
  }
  const std::unique_ptr<tEcr> driver = tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0402")));
  auto receive = [&] {
    auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(driver.get());
    QFile file(path);
    prg->ReadBlockFile(file);
    return prg->Received().size();
  };
  receive(); // the table is made by the first receive
  const double start = ThreadCpuSeconds();
  qsizetype fields = 0;
  for (int i = 0; i < kRounds; ++i) fields += receive();
  const double perReceive = (ThreadCpuSeconds() - start) / kRounds;
  std::printf("memory allocation receive: mean CPU %.1f us per receive (%d receives)\n", perReceive * 1e6, kRounds);
  return fields == qsizetype(kRounds) * 26 ? 0 : 1;
}
