#include "LinkTestSupport.h"
#include "comm/link/ESclException.h"
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclComPort.h"
#include "comm/link/TSclCustomStatusLight.h"
#include "comm/link/TSclSLController.h"
#include "platform/serialdev/FakeSerialDevice.h"
#include "platform/sys/Clock.h"
#include "platform/sys/TimingProfile.h"

#include <gtest/gtest.h>

namespace {
struct Lamp : TSclCustomStatusLight {
  bool lit = false;
  int changes = 0;
  bool Lit() const override { return lit; }
  void SetLit(bool on) override {
    lit = on;
    ++changes;
  }
};

class Lamps : public testing::Test {
protected:
  Lamps() {
    fast.scale = 0.1;
    MapComPort(3, pty.SlavePath());
    port->SetComNumber(3);
    port->SetAutoOpen(false);
  }
  void Tick(int ticks) {
    clock.Advance(ticks * 55);
    WaitFor([] { return false; }, 30); // a few dispatch cycles see the new time
  }
  TimingProfile fast;
  ScopedTimingProfile scoped{fast};
  FakeClock clock;
  ScopedClock scopedClock{clock};
  ScopedFakeDevices fakes;
  PtyPair pty;
  QObject form;
  TSclComPort* port = new TSclComPort(&form);
  Lamp cts, dsr, dcd, txd, rxd, error;
};
} // namespace

TEST_F(Lamps, TheControllerFindsThePortOfItsFormAndNeedsOneToWatch) {
  TSclSLController controller(&form);
  EXPECT_EQ(controller.ComPort(), port);
  TSclSLController alone;
  EXPECT_THROW(alone.SetWatching(true), EPortNotAssigned);
}

TEST_F(Lamps, WatchingAClosedPortLightsNothingUntilItOpens) {
  TSclSLController c(&form);
  c.Lights().SetCTSLight(&cts);
  c.Lights().SetDSRLight(&dsr);
  c.Lights().SetDCDLight(&dcd);
  c.SetWatching(true);
  EXPECT_FALSE(c.Watching());
  EXPECT_FALSE(cts.lit || dsr.lit || dcd.lit);
  port->SetOpen(true);
  EXPECT_TRUE(c.Watching());
  EXPECT_FALSE(cts.lit || dsr.lit || dcd.lit); // a pseudo-terminal shows no lines
  fakes.Last()->SetModemLines(SerialDevice::LineCts | SerialDevice::LineDcd);
  EXPECT_TRUE(WaitFor([&] { return cts.lit && dcd.lit; }));
  EXPECT_FALSE(dsr.lit);
}

TEST_F(Lamps, TxdLightsWithOutputAndGoesOffATickAfterTheRingEmptied) {
  TSclSLController c(&form);
  c.Lights().SetTXDLight(&txd);
  port->SetOpen(true);
  c.SetWatching(true);
  port->SendString("ATZ\r");
  ASSERT_TRUE(WaitFor([&] { return txd.lit; }));
  pty.Read(4);
  EXPECT_TRUE(WaitFor([&] {
    Tick(1);
    return !txd.lit;
  }));
  port->SendString("AT\r");
  EXPECT_TRUE(WaitFor([&] { return txd.lit; }));
}

TEST_F(Lamps, RxdStaysLitWhileBytesWaitAndGoesOffOnceTaken) {
  TSclSLController c(&form);
  c.Lights().SetRXDLight(&rxd);
  port->SetOpen(true);
  c.SetWatching(true);
  pty.Write("burst of bytes");
  ASSERT_TRUE(WaitFor([&] { return rxd.lit; }));
  Tick(3);
  EXPECT_TRUE(rxd.lit);
  char sink[64];
  port->RequireDispatcher().TakeBlock(sink, port->InputCount());
  EXPECT_TRUE(WaitFor([&] {
    Tick(1);
    return !rxd.lit;
  }));
}

TEST_F(Lamps, ALineErrorLightsErrorForItsTimeoutAndReachesThePortsLineErrorEvent) {
  TSclSLController c(&form);
  c.Lights().SetERRORLight(&error);
  std::vector<int> lineErrors;
  port->SetOnTriggerLineError([&](TSclCustomComPort&, int e, bool) { lineErrors.push_back(e); });
  port->SetOpen(true);
  c.SetWatching(true);
  fakes.Last()->InjectErrors(SerialDevice::ErrParity);
  ASSERT_TRUE(WaitFor([&] { return error.lit && lineErrors.size() == 1; }));
  EXPECT_EQ(lineErrors[0], 3);
  fakes.Last()->InjectErrors(SerialDevice::ErrFrame); // while the lamp is lit
  Tick(36);
  EXPECT_TRUE(error.lit);
  EXPECT_EQ(lineErrors.size(), 1u);
  Tick(1);
  // Off, and the error trigger armed again: the framing error lights it at once.
  EXPECT_TRUE(WaitFor([&] { return lineErrors.size() == 2; }));
  EXPECT_EQ(lineErrors[1], 4);
  EXPECT_TRUE(error.lit);
  EXPECT_GE(error.changes, 3);
}

TEST_F(Lamps, CloseAndReopenKeepsWatchingWithTheOwnersHandlersIntact) {
  TSclSLController c(&form);
  c.Lights().SetRXDLight(&rxd);
  int ownAvail = 0;
  port->SetOnTriggerAvail([&](TSclCustomComPort& cp, int count) {
    ++ownAvail;
    char sink[64];
    cp.RequireDispatcher().TakeBlock(sink, count);
  });
  port->SetOpen(true);
  c.SetWatching(true);
  port->SetOpen(false);
  EXPECT_FALSE(c.Watching());
  port->SetOpen(true);
  EXPECT_TRUE(c.Watching());
  pty.Write("x");
  ASSERT_TRUE(WaitFor([&] { return ownAvail == 1 && rxd.lit; }));
  WaitFor([] { return false; }, 50);
  EXPECT_EQ(ownAvail, 1);
  c.SetWatching(false);
  pty.Write("y");
  EXPECT_TRUE(WaitFor([&] { return ownAvail == 2; }));
}

TEST_F(Lamps, ALampOrPortThatGoesAwayLeavesItsPlaceEmpty) {
  TSclSLController c(&form);
  {
    Lamp gone;
    c.Lights().SetTXDLight(&gone);
  }
  EXPECT_EQ(c.Lights().TXDLight(), nullptr);
  port->SetOpen(true);
  c.SetWatching(true);
  delete port;
  EXPECT_EQ(c.ComPort(), nullptr);
  EXPECT_FALSE(c.Watching());
}
