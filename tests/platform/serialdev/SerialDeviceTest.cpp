#include "platform/serialdev/FakeSerialDevice.h"
#include "platform/serialdev/SerialDevice.h"
#include "platform/serialdev/SystemError.h"
#include "platform/serialdev/TtyControl.h"

#include <QElapsedTimer>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace {
// A pseudo-terminal pair; the device under test opens the slave by its path.
class Pty : public testing::Test {
protected:
  Pty() {
    int slave = -1;
    char name[128];
    openpty(&master, &slave, name, nullptr, nullptr);
    path = QString::fromLocal8Bit(name);
    close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  ~Pty() override {
    if (master >= 0) close(master);
    if (cancel >= 0) close(cancel);
  }
  std::unique_ptr<SerialDevice> OpenDevice() {
    int error = -1;
    auto device = SerialDevice::Open(path, error);
    EXPECT_EQ(error, 0);
    return device;
  }
  QByteArray ReadMaster(int n) {
    QByteArray got;
    for (int i = 0; i < 200 && got.size() < n; ++i) {
      char b[256];
      const ssize_t r = read(master, b, sizeof b);
      if (r > 0) got.append(b, r);
      else std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return got;
  }
  int master = -1;
  int cancel = eventfd(0, EFD_NONBLOCK);
  QString path;
};
} // namespace

TEST(SystemError, PosixErrorsTakeTheSystemsNumbers) {
  EXPECT_EQ(SystemErrorFromErrno(ENOENT), 2);
  EXPECT_EQ(SystemErrorFromErrno(ENOTDIR), 3);
  EXPECT_EQ(SystemErrorFromErrno(EBUSY), 5);
  EXPECT_EQ(SystemErrorFromErrno(EACCES), 5);
  EXPECT_EQ(SystemErrorFromErrno(ENOSPC), 101);
  EXPECT_EQ(SystemErrorFromErrno(EIO), 162);
  EXPECT_EQ(SystemErrorFromErrno(ECONNRESET), 162); // 104 would read as another entry's text
  EXPECT_EQ(SystemErrorFromErrno(EINVAL), EINVAL);
}

TEST_F(Pty, AMissingDeviceOrAFileThatIsNoTerminalDoesNotExistAsAPort) {
  int error = 0;
  EXPECT_EQ(SerialDevice::Open("/dev/no-such-tty", error), nullptr);
  EXPECT_EQ(error, 2);
  EXPECT_EQ(SerialDevice::Open("/dev/null", error), nullptr);
  EXPECT_EQ(error, 2);
}

TEST_F(Pty, ADeviceIsOpenedForOneHolderOnly) {
  auto first = OpenDevice();
  ASSERT_NE(first, nullptr);
  int error = 0;
  EXPECT_EQ(SerialDevice::Open(path, error), nullptr);
  EXPECT_EQ(error, 5);
  first.reset();
  EXPECT_NE(OpenDevice(), nullptr);
}

TEST_F(Pty, BytesGoBothWaysRawAndWithoutWaiting) {
  auto device = OpenDevice();
  char buffer[16];
  EXPECT_EQ(device->Read(buffer, sizeof buffer), 0); // nothing yet: at once
  ASSERT_EQ(write(master, "\r\n\x11\x13\x00", 5), 5);
  for (int i = 0; i < 100 && device->InputCount() < 5; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(device->InputCount(), 5);
  ASSERT_EQ(device->Read(buffer, sizeof buffer), 5);
  EXPECT_EQ(QByteArray(buffer, 5), QByteArray("\r\n\x11\x13\x00", 5));
  EXPECT_EQ(device->Write("\n\r", 2), 2);
  EXPECT_EQ(ReadMaster(2), "\n\r");
}

TEST_F(Pty, WritesStopWhenTheFarEndDoesNotReadAndWaitingEndsOnTheWake) {
  auto device = OpenDevice();
  const QByteArray block(4096, 'w');
  int taken = 0;
  bool full = false;
  for (int i = 0; i < 1000 && !full; ++i) {
    const int n = device->Write(block.constData(), block.size());
    full = n == 0;
    taken += n;
  }
  EXPECT_GT(taken, 0);
  EXPECT_TRUE(full); // refused without waiting, not blocked
  const uint64_t one = 1;
  ASSERT_EQ(write(cancel, &one, sizeof one), 8);
  EXPECT_FALSE(device->WaitWritable(cancel));
}

class Rates : public Pty, public testing::WithParamInterface<int> {};

TEST_P(Rates, AnyRateIsSetAsGiven) {
  auto device = OpenDevice();
  ASSERT_EQ(device->SetLine({GetParam(), 0, 8, 0}), 0);
  SerialLineSettings line;
  ASSERT_EQ(TtyControl::GetLine(master, line), 0); // the master reports its slave
  EXPECT_EQ(line.Baud, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Standard, Rates, testing::Values(300, 9600, 19200, 115200, 14400, 56000, 128000, 256000));

TEST_F(Pty, TheEventWaitReportsInputAndEndsOnCancel) {
  auto device = OpenDevice();
  std::thread far([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    [[maybe_unused]] ssize_t n = write(master, "x", 1);
  });
  EXPECT_EQ(device->WaitEvent(cancel, true), SerialDevice::EvRxChar);
  far.join();
  const uint64_t one = 1;
  ASSERT_EQ(write(cancel, &one, sizeof one), 8);
  EXPECT_EQ(device->WaitEvent(cancel, true), 0u);
}

TEST_F(Pty, TheFarEndGoingAwayIsOneLineErrorAndThenQuiet) {
  auto device = OpenDevice();
  close(master);
  master = -1;
  const uint32_t events = device->WaitEvent(cancel, true);
  EXPECT_TRUE(events & SerialDevice::EvErr);
  EXPECT_TRUE(device->HungUp());
  EXPECT_EQ(device->TakeErrors(), SerialDevice::ErrFrame | SerialDevice::ErrBreak);
  EXPECT_EQ(device->TakeErrors(), 0u);
  std::thread canceller([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(cancel, &one, sizeof one);
  });
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(device->WaitEvent(cancel, true), 0u); // blocks until cancelled, no spinning
  EXPECT_GE(timer.elapsed(), 40);
  canceller.join();
  char b[4];
  EXPECT_EQ(device->Read(b, 4), 0);
  EXPECT_LT(device->Write("x", 1), 0);
}

TEST_F(Pty, APseudoTerminalHasNoModemLinesAndDrivingThemIsHarmless) {
  auto device = OpenDevice();
  EXPECT_FALSE(device->HasModemLines());
  EXPECT_EQ(device->ModemStatus(), 0);
  EXPECT_EQ(device->SetRts(false), 0);
  EXPECT_EQ(device->TakeErrors(), 0u);
}

TEST_F(Pty, PurgingOutputKeepsTheInput) {
  auto device = OpenDevice();
  ASSERT_EQ(write(master, "keep", 4), 4);
  for (int i = 0; i < 100 && device->InputCount() < 4; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(device->Purge(false, true), 0);
  EXPECT_EQ(device->InputCount(), 4);
  EXPECT_EQ(device->Purge(true, false), 0);
  EXPECT_EQ(device->InputCount(), 0);
}

TEST_F(Pty, AFakeDevicesInjectedErrorsAndLinesWakeTheWait) {
  int error = 0;
  auto fake = FakeSerialDevice::Open(path, error);
  ASSERT_NE(fake, nullptr);
  std::thread injector([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    fake->InjectErrors(SerialDevice::ErrParity | SerialDevice::ErrOverrun);
  });
  EXPECT_EQ(fake->WaitEvent(cancel, true), SerialDevice::EvErr);
  injector.join();
  EXPECT_EQ(fake->TakeErrors(), SerialDevice::ErrParity | SerialDevice::ErrOverrun);
  fake->SetModemLines(SerialDevice::LineCts | SerialDevice::LineDcd);
  EXPECT_EQ(fake->WaitEvent(cancel, true), SerialDevice::EvCts | SerialDevice::EvRlsd);
  EXPECT_EQ(fake->ModemStatus(), SerialDevice::LineCts | SerialDevice::LineDcd);
  fake->InjectErrors(SerialDevice::ErrBreak);
  EXPECT_EQ(fake->WaitEvent(cancel, true), SerialDevice::EvBreak);
}

TEST_F(Pty, TheInputHandshakeHoldsAndReleasesBySetLimits) {
  int error = 0;
  auto fake = FakeSerialDevice::Open(path, error);
  SerialFlowSettings flow;
  flow.RtsHandshake = true;
  flow.HoldAbove = 10;
  flow.ReleaseAt = 4;
  ASSERT_EQ(fake->SetFlow(flow), 0);
  ASSERT_EQ(write(master, "0123456789AB", 12), 12);
  for (int i = 0; i < 100 && fake->InputCount() < 12; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  fake->CheckInputFlow();
  EXPECT_EQ(fake->RtsLevel(), 0);
  char b[16];
  fake->Read(b, 6); // 6 left: above the release mark
  fake->CheckInputFlow();
  EXPECT_EQ(fake->RtsLevel(), 0);
  fake->Read(b, 2);
  fake->CheckInputFlow();
  EXPECT_EQ(fake->RtsLevel(), 1);
}

TEST_F(Pty, OutputWaitsForCtsWhenAskedTo) {
  int error = 0;
  auto fake = FakeSerialDevice::Open(path, error);
  SerialFlowSettings flow;
  flow.OutxCts = true;
  fake->SetFlow(flow);
  EXPECT_FALSE(fake->OutputAllowed());
  EXPECT_TRUE(fake->WaitWritable(cancel)); // looks again after a short while
  fake->SetModemLines(SerialDevice::LineCts);
  EXPECT_TRUE(fake->OutputAllowed());
}

TEST_F(Pty, AHandedOverDescriptorIsTakenAndClosedWithTheDevice) {
  const int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  int error = 0;
  auto device = SerialDevice::Adopt(fd, error);
  ASSERT_NE(device, nullptr);
  EXPECT_TRUE(fcntl(fd, F_GETFL) & O_NONBLOCK);
  device.reset();
  EXPECT_EQ(fcntl(fd, F_GETFD), -1);
  const int notTty = open("/dev/null", O_RDWR);
  EXPECT_EQ(SerialDevice::Adopt(notTty, error), nullptr);
  EXPECT_EQ(error, 6);
  close(notTty);
}
