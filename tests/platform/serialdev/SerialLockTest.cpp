#include "platform/serialdev/SerialDevice.h"
#include "platform/serialdev/SerialLockFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {
// A pseudo-terminal pair and a lock folder of the test's own.
class Locked : public testing::Test {
protected:
  Locked() {
    int slave = -1;
    char name[128];
    openpty(&master, &slave, name, nullptr, nullptr);
    close(slave);
    path = QString::fromLocal8Bit(name);
    SerialLockFile::SetFolder(folder.path());
    lockPath = SerialLockFile::PathFor(path);
  }
  ~Locked() override {
    SerialLockFile::SetFolder(QString());
    close(master);
  }
  void WriteLock(const QByteArray& text) {
    QFile file(lockPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray ReadLock() {
    QFile file(lockPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static QByteArray IdText(long pid) { return QByteArray::number(pid).rightJustified(10, ' ') + '\n'; }
  // The id of a process that has ended.
  static long DeadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
  }

  QTemporaryDir folder;
  int master = -1;
  QString path, lockPath;
};
} // namespace

TEST_F(Locked, AnOpenDeviceHoldsALockWithOurIdUntilClosed) {
  EXPECT_EQ(lockPath, folder.path() + "/LCK.." + path.section('/', -1));
  int error = -1;
  auto device = SerialDevice::Open(path, error);
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(ReadLock(), IdText(getpid()));
  EXPECT_FALSE(SerialLockFile::HeldByOther(path));
  device.reset();
  EXPECT_FALSE(QFile::exists(lockPath));
}

TEST_F(Locked, ALockOfAnotherLiveProgramRefusesTheOpenAndStaysInPlace) {
  WriteLock(IdText(getppid()));
  int error = 0;
  EXPECT_EQ(SerialDevice::Open(path, error), nullptr);
  EXPECT_EQ(error, 5);
  EXPECT_EQ(SerialDevice::Probe(path), 5);
  EXPECT_EQ(ReadLock(), IdText(getppid()));
}

TEST_F(Locked, AStaleLockIsReplacedByOurs) {
  const QByteArray stale[] = {IdText(DeadPid()), "garbage\n", "", "0\n", "-5\n"};
  for (const QByteArray& text : stale) {
    SCOPED_TRACE(text.toStdString());
    WriteLock(text);
    EXPECT_EQ(SerialDevice::Probe(path), 0);
    int error = -1;
    auto device = SerialDevice::Open(path, error);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(ReadLock(), IdText(getpid()));
    device.reset();
    EXPECT_FALSE(QFile::exists(lockPath));
  }
}

TEST_F(Locked, ARefusedSecondOpenKeepsTheHoldersLock) {
  int error = -1;
  auto first = SerialDevice::Open(path, error);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(SerialDevice::Open(path, error), nullptr);
  EXPECT_EQ(error, 5);
  EXPECT_EQ(ReadLock(), IdText(getpid()));
}

TEST_F(Locked, ProbingAPortInUseLeavesItsSettingsAndQueuedBytesAlone) {
  // Another program holds the port in line mode, with a line waiting to be read.
  const int held = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(held, 0);
  termios before{};
  ASSERT_EQ(tcgetattr(held, &before), 0);
  ASSERT_TRUE(before.c_lflag & ICANON);
  ASSERT_EQ(write(master, "abc\n", 4), 4);
  tcdrain(master);
  int queued = 0;
  for (int i = 0; i < 100 && queued == 0; ++i) {
    ioctl(held, FIONREAD, &queued);
    if (queued == 0) usleep(1000);
  }
  ASSERT_EQ(queued, 4);

  EXPECT_EQ(SerialDevice::Probe(path), 0);

  termios after{};
  ASSERT_EQ(tcgetattr(held, &after), 0);
  EXPECT_EQ(after.c_iflag, before.c_iflag);
  EXPECT_EQ(after.c_oflag, before.c_oflag);
  EXPECT_EQ(after.c_cflag, before.c_cflag);
  EXPECT_EQ(after.c_lflag, before.c_lflag);
  EXPECT_EQ(0, memcmp(after.c_cc, before.c_cc, sizeof before.c_cc));
  int left = 0;
  ioctl(held, FIONREAD, &left);
  EXPECT_EQ(left, 4);
  EXPECT_FALSE(QFile::exists(lockPath));
  close(held);
}
