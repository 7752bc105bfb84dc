#include "CrsPollFixture.h"

#include "WireTokens.h"
#include "crs-sim/SimWireFrame.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>

namespace {
// Nothing a test runs takes more than a few seconds; this is only a stop for a hang.
constexpr int kProcessLimitMs = 60000;

CrsSimConfig SimConfig() {
  CrsSimConfig config;
  config.lostAckResendMs = 40;
  return config;
}

QStringList OutLines(const QByteArray& out) {
  static const QRegularExpression time(QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2} [AP]M "));
  QStringList lines = QString::fromLocal8Bit(out).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& line : lines) line.replace(time, QStringLiteral("T "));
  return lines;
}

QByteArray Le32(qint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}
} // namespace

CrsPollCli::CrsPollCli() : sim(SimConfig()), line(sim.OpenPty()), workDir(dir.filePath(QStringLiteral("work/out"))) {}

CrsPollCli::~CrsPollCli() { sim.Stop(); }

PollResult CrsPollCli::Run(QStringList arguments, double scale) {
  arguments << QStringLiteral("--device") << line << QStringLiteral("--work-dir") << workDir
            << QStringLiteral("--timing-scale") << QString::number(scale);
  PollResult result = RunBare(arguments);
  // The register's last frame may still be on its way out.
  sim.WaitFor([](const CrsSim::Entries& t) { return std::all_of(t.begin(), t.end(), [](const auto& e) { return e.IsWritten(); }); },
              1000);
  return result;
}

PollResult RunCrsPoll(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(CRS_POLL_PROGRAM), arguments);
  PollResult result;
  if (!process.waitForFinished(kProcessLimitMs)) {
    process.kill();
    process.waitForFinished();
  } else if (process.exitStatus() == QProcess::NormalExit) {
    result.exitCode = process.exitCode();
  }
  result.out = OutLines(process.readAllStandardOutput());
  result.err = QString::fromLocal8Bit(process.readAllStandardError());
  return result;
}

QStringList CrsPollCli::Wire() const { return WireTokens::All(sim); }

QStringList CrsPollCli::Sent() const { return WireTokens::Received(sim); }

QString CrsPollCli::WorkFile() const { return workDir + QStringLiteral("/crs-pollWORKFILE1.ECR"); }

QList<QByteArray> CrsPollCli::WorkFileBlocks() const {
  QFile file(WorkFile());
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  QList<QByteArray> blocks;
  for (qsizetype at = 4; at + 4 <= bytes.size();) {
    const qint32 length = qFromLittleEndian<qint32>(bytes.constData() + at);
    blocks.append(bytes.mid(at + 4, length));
    at += 4 + length;
  }
  EXPECT_EQ(bytes.size() >= 4 ? qFromLittleEndian<qint32>(bytes.constData()) : -1, blocks.size()) << "the count heads the file";
  return blocks;
}

QString Cmd(const char* commandAndData, const char* range, const char* store) {
  return QStringLiteral("> CMD %1 %2 %3").arg(QLatin1String(commandAndData), QLatin1String(store), QLatin1String(range));
}

QByteArray Block(int number, const QByteArray& records, int count) {
  return QByteArray(1, char(number)) + char(count) + records;
}

void WriteBlockFile(const QString& path, const QList<QByteArray>& blocks) {
  QByteArray bytes = Le32(qint32(blocks.size()));
  for (const QByteArray& block : blocks) bytes += Le32(qint32(block.size())) + block;
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}
