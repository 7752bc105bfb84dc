// Starting, stopping and losing the line.
#include "SimExchangeFixture.h"

#include <QTemporaryDir>

#include <unistd.h>

using SimLifecycle = SimExchange;

TEST_F(SimLifecycle, StopEndsAPacedFrameAtOnceAndServingCanStartAgain) {
  sim.SetReport(50, {QByteArray(200, 'x')});
  sim.SetBaud(1200); // the frame would take 1.7 s
  line.Send(Command(0xD0, 50));
  ASSERT_TRUE(sim.WaitFor([](const CrsSim::Entries& t) { return t.size() == 2; }, 2000));
  ASSERT_TRUE(sim.IsRunning());
  const qint64 start = SimLineDriver::NowUs();
  sim.Stop();
  EXPECT_LT(SimLineDriver::NowUs() - start, 300000);
  EXPECT_FALSE(sim.IsRunning());
  EXPECT_FALSE(sim.Transcript()[1].IsWritten());
  sim.Stop(); // twice is harmless

  SimLineDriver other;
  sim.SetBaud(0);
  sim.Start(other.SimEnd());
  other.Send(Command(0xB0, 33));
  EXPECT_EQ(other.Frame(), ACK);
  sim.Stop();
}

TEST_F(SimLifecycle, AClosedLineEndsServingAndANewLineCanBeServed) {
  line.CloseSystemEnd();
  for (int i = 0; i < 200 && sim.IsRunning(); ++i) usleep(5000);
  EXPECT_FALSE(sim.IsRunning());
  EXPECT_FALSE(sim.ClosedReason().isEmpty());

  SimLineDriver other;
  sim.Start(other.SimEnd());
  EXPECT_TRUE(sim.ClosedReason().isEmpty());
  other.Send(Command(0xB0, 33));
  EXPECT_EQ(other.Frame(), ACK);
  sim.Stop(); // before the other line goes
}

TEST_F(SimLifecycle, ServingTwoLinesAtOnceIsRefused) {
  SimLineDriver other;
  EXPECT_THROW(sim.Start(other.SimEnd()), SimLineError);
}

TEST(SimPty, OpenPtyServesTheSlavePathItReturns) {
  CrsSim sim;
  const QString path = sim.OpenPty();
  ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/")));
  CrsSim device(CrsSimConfig{QString()});
  QTemporaryDir dir;
  EXPECT_THROW(device.Open(dir.filePath(QStringLiteral("no-such-tty"))), SimLineError);
  device.Open(path); // a second simulator on the same line, as a client would open it
  EXPECT_TRUE(device.IsRunning());
  sim.Stop();
  device.Stop();
}
