#include "LinkTestSupport.h"
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclComPort.h"
#include "comm/link/TSclSLController.h"
#include "comm/link/forms/TSclStatusLight.h"
#include "platform/serialdev/FakeSerialDevice.h"
#include "platform/sys/TimingProfile.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
QImage Shot(QWidget& w) { return w.grab().toImage(); }
} // namespace

TEST(StatusLight, StartsUnlitAtThirteenSquareWithABevel) {
  TSclStatusLight lamp;
  EXPECT_EQ(lamp.size(), QSize(13, 13));
  EXPECT_FALSE(lamp.Lit());
  EXPECT_EQ(lamp.ScommVersion(), "v1.0");
  const QImage image = Shot(lamp);
  EXPECT_EQ(image.pixelColor(6, 6), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(0, 6), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(6, 0), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(12, 6), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(image.pixelColor(6, 12), QColor(0x80, 0x80, 0x80));
  lamp.SetLit(true);
  EXPECT_EQ(Shot(lamp).pixelColor(6, 6), QColor(255, 0, 0));
  lamp.SetLitColor(QColor(255, 255, 0));
  EXPECT_EQ(Shot(lamp).pixelColor(6, 6), QColor(255, 255, 0));
}

TEST(StatusLight, AGlyphGivesHalfItsWidthAndShowsTheLeftHalfWhenLit) {
  QWidget parent;
  parent.setAutoFillBackground(true);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, Qt::blue);
  parent.setPalette(palette);
  TSclStatusLight lamp(&parent);
  QPixmap glyph(26, 13);
  glyph.fill(Qt::magenta); // the top-left colour: transparent
  {
    QPainter p(&glyph);
    p.fillRect(2, 2, 9, 9, Qt::yellow); // lit image
    p.fillRect(15, 2, 9, 9, Qt::darkGray); // unlit image
  }
  lamp.SetGlyph(glyph);
  EXPECT_EQ(lamp.size(), QSize(13, 13));
  lamp.resize(40, 40);
  EXPECT_EQ(lamp.size(), QSize(13, 13));
  EXPECT_EQ(Shot(lamp).pixelColor(6, 6), QColor(Qt::darkGray));
  lamp.SetLit(true);
  const QImage lit = parent.grab(lamp.geometry()).toImage();
  EXPECT_EQ(lit.pixelColor(6, 6), QColor(Qt::yellow));
  EXPECT_EQ(lit.pixelColor(0, 0), QColor(Qt::blue)); // the parent shows through
  lamp.SetGlyph(QPixmap());
  lamp.resize(20, 20);
  EXPECT_EQ(lamp.size(), QSize(20, 20));
}

// The communication window's row: six lamps tied to a controller watching the port.
TEST(StatusLight, TheRowFollowsTheLine) {
  TimingProfile fast;
  fast.scale = 0.1;
  ScopedTimingProfile scoped(fast);
  ScopedFakeDevices fakes;
  PtyPair pty;
  MapComPort(6, pty.SlavePath());
  QWidget window;
  auto* row = new QHBoxLayout(&window);
  TSclComPort port(&window);
  port.SetComNumber(6);
  TSclSLController controller(&window);
  TSclStatusLight txd, rxd, cts, dsr, dcd, error;
  for (TSclStatusLight* lamp : {&txd, &rxd, &cts, &dsr, &dcd}) lamp->SetLitColor(Qt::yellow);
  for (TSclStatusLight* lamp : {&txd, &rxd, &cts, &dsr, &dcd, &error}) row->addWidget(lamp);
  controller.Lights().SetTXDLight(&txd);
  controller.Lights().SetRXDLight(&rxd);
  controller.Lights().SetCTSLight(&cts);
  controller.Lights().SetDSRLight(&dsr);
  controller.Lights().SetDCDLight(&dcd);
  controller.Lights().SetERRORLight(&error);
  std::vector<int> lineErrors;
  port.SetOnTriggerLineError([&](TSclCustomComPort&, int e, bool) { lineErrors.push_back(e); });
  controller.SetWatching(true);
  port.SetOpen(true);
  ASSERT_TRUE(controller.Watching());
  window.show();

  fakes.Last()->SetModemLines(SerialDevice::LineDsr);
  EXPECT_TRUE(WaitFor([&] { return dsr.Lit(); }));
  port.SendString("ATZ\r");
  EXPECT_TRUE(WaitFor([&] { return txd.Lit(); }));
  pty.Write("OK\r\n");
  EXPECT_TRUE(WaitFor([&] { return rxd.Lit(); }));
  EXPECT_EQ(Shot(rxd).pixelColor(6, 6), QColor(Qt::yellow));
  fakes.Last()->InjectErrors(SerialDevice::ErrOverrun);
  EXPECT_TRUE(WaitFor([&] { return error.Lit() && lineErrors == std::vector<int>{2}; }));
  EXPECT_EQ(Shot(error).pixelColor(6, 6), QColor(255, 0, 0));
  port.SetOpen(false);
  EXPECT_FALSE(txd.Lit() || rxd.Lit() || dsr.Lit() || error.Lit());
}
