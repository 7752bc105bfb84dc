// The diagnostic files of a session's line: one pair per port in the data folder's log
// folder.
#include "CommLogFixture.h"
#include "LinkTestSupport.h"
#include "comm/link/TSclComPort.h"
#include "comm/session/PortDiagnosticFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {
class DiagnosticFiles : public CommLogFixture {
protected:
  QString LogFolder() const { return QDir(dir.path()).filePath(QStringLiteral("data/Log")); }
};

TEST_F(DiagnosticFiles, EachPortHasItsOwnPairInTheDataFoldersLogFolder) {
  const struct {
    const char* port;
    const char* stem;
  } cases[] = {{"Direct to COM12", "SCOMM-COM12"},
               {"Direct to COM 3", "SCOMM-COM3"},
               {"Shop Modem #2", "SCOMM-Shop_Modem__2"},
               {"../Modem", "SCOMM-___Modem"},
               {"Direct to COM", "SCOMM-Direct_to_COM"}};
  for (const auto& c : cases) {
    const PortDiagnosticFiles files = DiagnosticFilesOf(QString::fromLatin1(c.port));
    EXPECT_EQ(files.log, QDir(LogFolder()).filePath(QString::fromLatin1(c.stem) + ".LOG")) << c.port;
    EXPECT_EQ(files.trace, QDir(LogFolder()).filePath(QString::fromLatin1(c.stem) + ".TRC")) << c.port;
  }
}

// Two sessions on two lines at once: each port's log lands in its own file.
TEST_F(DiagnosticFiles, TwoPortsWriteTwoLogs) {
  ScopedSclFolder folder; // where a log without a path of its own would go
  PtyPair first, second;
  MapComPort(4, first.SlavePath());
  MapComPort(6, second.SlavePath());
  TSclComPort portA, portB;
  portA.SetComNumber(4);
  portB.SetComNumber(6);
  UseDiagnosticFiles(portA, QStringLiteral("Direct to COM4"));
  UseDiagnosticFiles(portB, QStringLiteral("Direct to COM6"));
  EXPECT_TRUE(QFileInfo(LogFolder()).isDir());
  for (TSclComPort* port : {&portA, &portB}) {
    port->SetLogging(tlOn);
    port->SetOpen(true);
  }
  portA.SendString("AAAA");
  portB.SendString("BBBB");
  EXPECT_EQ(first.Read(4), QByteArray("AAAA"));
  EXPECT_EQ(second.Read(4), QByteArray("BBBB"));
  for (TSclComPort* port : {&portA, &portB}) port->SetOpen(false);

  auto read = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray logA = read(DiagnosticFilesOf(QStringLiteral("Direct to COM4")).log);
  const QByteArray logB = read(DiagnosticFilesOf(QStringLiteral("Direct to COM6")).log);
  EXPECT_TRUE(logA.contains("AAAA") && !logA.contains("BBBB")) << logA.toStdString();
  EXPECT_TRUE(logB.contains("BBBB") && !logB.contains("AAAA")) << logB.toStdString();
  EXPECT_FALSE(folder.Exists(QStringLiteral("SCOMM.LOG")));
}
} // namespace
