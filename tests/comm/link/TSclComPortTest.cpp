#include "LinkTestSupport.h"
#include "comm/link/ComPortPaths.h"
#include "comm/link/ESclException.h"
#include "comm/link/SclExceptionDisplay.h"
#include "comm/link/SclPortChooser.h"
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclComPort.h"
#include "platform/serialdev/FakeSerialDevice.h"
#include "platform/serialdev/TtyControl.h"
#include "platform/sys/Clock.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/TimingProfile.h"

#include <QCoreApplication>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

namespace {
class ComPort : public testing::Test {
protected:
  ComPort() {
    fast.scale = 0.2;
    MapComPort(7, pty.SlavePath());
    MapComPort(8, pty2.SlavePath());
    MapComPort(9, QStringLiteral("/dev/no-such-port"));
    port.SetComNumber(7);
    port.SetAutoOpen(false);
  }
  int SlaveBaud(PtyPair& p) {
    SerialLineSettings line;
    TtyControl::GetLine(p.Master(), line); // a master reports its slave's settings
    return line.Baud;
  }
  TimingProfile fast;
  ScopedTimingProfile scoped{fast};
  ScopedSclFolder folder;
  PtyPair pty, pty2;
  TSclComPort port;
};

template <class E> QString MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return QStringLiteral("<no exception>");
}
} // namespace

TEST_F(ComPort, OpensTheMappedDeviceAndSendsToIt) {
  port.SetOpen(true);
  ASSERT_TRUE(port.Open());
  port.SendString("hello");
  EXPECT_EQ(pty.Read(5), "hello");
  port.SetOpen(false);
  EXPECT_EQ(port.PortState(), TSclCustomComPort::psClosed);
}

TEST_F(ComPort, WithoutANumberAndNoPromptTheOpenFails) {
  port.SetComNumber(0);
  port.SetPromptForPort(false);
  EXPECT_EQ(MessageOf<ENoPortSelected>([&] { port.SetOpen(true); }),
            "The ComNumber property of the TSclComPort has not been set");
  EXPECT_FALSE(port.Open());
  EXPECT_EQ(port.PortState(), TSclCustomComPort::psClosed);
}

TEST_F(ComPort, WithoutANumberTheUserIsAskedAndCancelFails) {
  port.SetComNumber(0);
  int answer = 8;
  ScopedForm<PortChoiceRequest> chooser([&](PortChoiceRequest& request) {
    request.port = answer;
    return answer != 0 ? 1 : 0;
  });
  port.SetOpen(true);
  EXPECT_EQ(port.ComNumber(), 8);
  port.SendString("x");
  EXPECT_EQ(pty2.Read(1), "x");
  port.SetOpen(false);
  port.SetComNumber(0);
  answer = 0;
  EXPECT_THROW(port.SetOpen(true), ENoPortSelected);
  EXPECT_FALSE(port.Open());
}

TEST_F(ComPort, AMissingDeviceAndOneHeldElsewhereGiveTheirErrors) {
  port.SetComNumber(9);
  EXPECT_EQ(MessageOf<EBadId>([&] { port.SetOpen(true); }), "ie_BadId - Specified comport doesn't exist");
  EXPECT_FALSE(port.Open());
  int error = 0;
  auto elsewhere = SerialDevice::Open(pty.SlavePath(), error);
  ASSERT_NE(elsewhere, nullptr);
  port.SetComNumber(7);
  EXPECT_EQ(MessageOf<EAlreadyOpen>([&] { port.SetOpen(true); }), "ie_Open - device already open");
  EXPECT_FALSE(port.Open());
  elsewhere.reset();
  port.SetOpen(true);
  EXPECT_TRUE(port.Open());
}

TEST_F(ComPort, BaudOnlyStoresWhileClosedAndChangesTheDeviceWhileOpen) {
  port.SetBaud(9600);
  EXPECT_EQ(port.Baud(), 9600);
  port.SetOpen(true);
  EXPECT_EQ(SlaveBaud(pty), 9600);
  port.SetBaud(2400);
  EXPECT_EQ(SlaveBaud(pty), 2400);
}

TEST_F(ComPort, ABlockLargerThanTheFreeRoomIsRefusedWhole) {
  port.SetOutSize(64);
  port.SetOpen(true);
  EXPECT_THROW(port.SendString(QByteArray(65, 'x')), EOutputBufferTooSmall);
  EXPECT_EQ(port.OutputUsed(), 0);
  EXPECT_TRUE(pty.Read(1, 100).isEmpty());
}

TEST_F(ComPort, LineStatesOfAClosedPortAreFalseAndTriggersOpenIt) {
  port.SetAutoOpen(true);
  EXPECT_FALSE(port.CtsState());
  EXPECT_FALSE(port.Open());
  EXPECT_EQ(port.InputCount(), 0);
  EXPECT_GT(port.NewTimerTrigger(), 0);
  EXPECT_TRUE(port.Open());
}

TEST_F(ComPort, OperationsOnAClosedPortWithoutAutoOpenRaise) {
  EXPECT_EQ(MessageOf<ECommNotOpen>([&] { port.SendString("x"); }), "ie_NOpen - device not open");
  EXPECT_THROW(port.NewStatusTrigger(2), ECommNotOpen);
}

TEST_F(ComPort, AvailEventsArriveOnTheGuiThread) {
  QByteArray got;
  bool onGui = true;
  port.SetOnTriggerAvail([&](TSclCustomComPort& cp, int count) {
    onGui = onGui && QThread::currentThread() == QCoreApplication::instance()->thread();
    QByteArray b(count, '\0');
    cp.RequireDispatcher().TakeBlock(b.data(), count);
    got += b;
  });
  port.SetOpen(true);
  pty.Write("from the register");
  EXPECT_TRUE(WaitFor([&] { return got == "from the register"; }));
  EXPECT_TRUE(onGui);
}

TEST_F(ComPort, ABreakAloneGivesErrorZeroWithLineBreak) {
  ScopedFakeDevices fakes;
  std::vector<std::pair<int, bool>> errors;
  port.SetOnTriggerLineError([&](TSclCustomComPort&, int error, bool lineBreak) { errors.push_back({error, lineBreak}); });
  port.SetOpen(true);
  const int trigger = port.NewStatusTrigger(2);
  port.ArmStatusTrigger(trigger, 8, true);
  fakes.Last()->InjectErrors(SerialDevice::ErrBreak);
  ASSERT_TRUE(WaitFor([&] { return !errors.empty(); }));
  EXPECT_EQ(errors[0], std::make_pair(0, true));
  port.ArmStatusTrigger(trigger, 7, true);
  fakes.Last()->InjectErrors(SerialDevice::ErrParity);
  ASSERT_TRUE(WaitFor([&] { return errors.size() == 2; }));
  EXPECT_EQ(errors[1], std::make_pair(3, false));
}

TEST_F(ComPort, ACloseFromInsideAnAvailEventIsFinishedByTheDispatcherAndMayReopen) {
  port.SetOpen(true);
  const int timer = port.NewTimerTrigger();
  bool closedInside = false;
  port.SetOnTriggerAvail([&](TSclCustomComPort& cp, int) {
    cp.SetOpen(false);
    closedInside = cp.PortState() == TSclCustomComPort::psClosing;
    cp.SetOpen(true); // asked while the close is pending
  });
  pty.Write("x");
  ASSERT_TRUE(WaitFor([&] { return closedInside; }));
  EXPECT_TRUE(WaitFor([&] { return port.PortState() == TSclCustomComPort::psOpen; }));
  // The triggers came through the close with their handles.
  port.ArmTimerTrigger(timer, 1, true);
  port.SetOnTriggerAvail(nullptr);
  port.SendString("again");
  EXPECT_EQ(pty.Read(5), "again");
}

TEST_F(ComPort, FindComPortSearchesTheOwnersComponentsDepthFirst) {
  QObject form;
  QObject firstPanel(&form);
  QObject secondPanel(&form);
  QObject inner(&firstPanel);
  EXPECT_EQ(TSclCustomComPort::FindComPort(&form), nullptr);
  TSclComPort* found = new TSclComPort(&secondPanel);
  EXPECT_EQ(TSclCustomComPort::FindComPort(&form), found);
}

TEST_F(ComPort, HardwareFlowDerivesItsThresholdsFromTheInputSize) {
  port.SetHWFlowOptions(hwfUseRTS);
  EXPECT_EQ(port.BufferFull(), 3686);
  EXPECT_EQ(port.BufferResume(), 409);
  port.SetOpen(true); // applies them
  EXPECT_TRUE(port.Open());
}

TEST_F(ComPort, ThresholdsOutOfOrderFailTheOpen) {
  port.SetBufferFull(300);
  port.SetHWFlowOptions(hwfUseRTS);
  EXPECT_EQ(port.BufferFull(), 300);
  EXPECT_EQ(port.BufferResume(), 409);
  EXPECT_EQ(MessageOf<EBadArgument>([&] { port.SetOpen(true); }), "Bad argument passed to function");
  EXPECT_FALSE(port.Open());
  int error = 0;
  EXPECT_NE(SerialDevice::Open(pty.SlavePath(), error), nullptr) << "the failed open left the device held";
}

TEST_F(ComPort, APortOpenedAndClosedWithLoggingButNoTrafficStillWritesTheLog) {
  FakeClock clock;
  ScopedClock scopedClock(clock);
  port.SetLogging(tlOn);
  port.SetOpen(true);
  port.SetOpen(false);
  const QByteArray log = folder.Read("SCOMM.LOG");
  const QList<QByteArray> lines = log.split('\n');
  ASSERT_GE(lines.size(), 7) << log.toStdString();
  EXPECT_TRUE(lines[5].startsWith("0000.000  TrDatChg  Avail         00000001  ")) << log.toStdString();
  EXPECT_TRUE(lines[6].contains("TrgHdAlc  Window")) << log.toStdString();
  EXPECT_EQ(port.Logging(), tlOff);
}

TEST_F(ComPort, TraceAndLogStatesFollowTheirRules) {
  port.SetOpen(true);
  port.SetTracing(tlPause); // off: nothing to pause
  EXPECT_EQ(port.Tracing(), tlOff);
  port.SetTracing(tlDump); // off: no file
  EXPECT_FALSE(folder.Exists("SCOMM.TRC"));
  port.SetTracing(tlOn);
  port.SendString("AT");
  port.SetTracing(tlPause);
  port.SendString("XX"); // not traced while paused
  port.SetTracing(tlDump);
  EXPECT_EQ(port.Tracing(), tlOff);
  EXPECT_EQ(folder.Text("SCOMM.TRC"), "Transmit: \r\nAT");
  port.SetOpen(false);
  port.SetLogging(tlDump); // closed: stored as off
  EXPECT_EQ(port.Logging(), tlOff);
}

TEST_F(ComPort, ALogThatCannotBeWrittenDoesNotKeepThePortOpen) {
  QStringList shown;
  SetSclExceptionDisplay([&](const QString& m) { shown << m; });
  port.SetLogName(QStringLiteral("/nonexistent-folder/SCOMM.LOG"));
  port.SetLogging(tlOn);
  port.SetOpen(true);
  port.SetOpen(false);
  SetSclExceptionDisplay(nullptr);
  EXPECT_EQ(port.PortState(), TSclCustomComPort::psClosed);
  EXPECT_EQ(shown, QStringList{"Path not found"});
}

TEST_F(ComPort, ChangingTheNumberWhileOpenMovesToTheOtherPort) {
  port.SetOpen(true);
  const int timer = port.NewTimerTrigger();
  port.SetComNumber(8);
  EXPECT_TRUE(port.Open());
  port.SendString("moved");
  EXPECT_EQ(pty2.Read(5), "moved");
  port.ArmTimerTrigger(timer, 2, true); // kept
  int error = 0;
  EXPECT_NE(SerialDevice::Open(pty.SlavePath(), error), nullptr);
}

TEST_F(ComPort, PortUsersAreToldOfOpeningAndClosingLastFirst) {
  QStringList calls;
  int a = 0, b = 0;
  port.AddPortUser(&a, [&](TSclCustomComPort&, bool opening) { calls << QStringLiteral("a%1").arg(opening); });
  port.AddPortUser(&b, [&](TSclCustomComPort&, bool opening) { calls << QStringLiteral("b%1").arg(opening); });
  port.SetOpen(true);
  port.SetOpen(false);
  port.RemovePortUser(&b);
  port.SetOpen(true);
  EXPECT_EQ(calls, (QStringList{"b1", "a1", "b0", "a0", "a1"}));
  port.RemovePortUser(&a);
}

TEST_F(ComPort, AHandedOverDeviceIsUsedWithItsOwnSettings) {
  port.SetTapiMode(tmOn);
  EXPECT_EQ(MessageOf<ENotOpenedByTapi>([&] { port.SetOpen(true); }), "Comport was not opened by Tapi");
  const int fd = ::open(pty.SlavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  TtyControl::MakeRaw(fd);
  TtyControl::SetLine(fd, {4800, 0, 8, 0}, {});
  termios t{};
  tcgetattr(fd, &t);
  t.c_cflag |= CRTSCTS;
  tcsetattr(fd, TCSANOW, &t);
  port.SetHWFlowOptions(hwfUseDTR | hwfRequireDSR); // the component's own: the device's win
  port.SetTapiHandle(fd);
  port.SetOpen(true);
  EXPECT_EQ(port.Baud(), 4800);
  EXPECT_EQ(port.HWFlowOptions(), THWFlowOptions(hwfUseRTS | hwfRequireCTS));
  port.SendString("modem");
  EXPECT_EQ(pty.Read(5), "modem");
  port.SetOpen(false);
  EXPECT_EQ(fcntl(fd, F_GETFD), -1); // closed with the port
}

TEST_F(ComPort, LoadingOnlyStoresOpenUntilLoaded) {
  TSclComPort loaded;
  loaded.BeginLoading();
  loaded.SetComNumber(7);
  loaded.SetOpen(true);
  EXPECT_EQ(loaded.PortState(), TSclCustomComPort::psClosed);
  loaded.Loaded();
  EXPECT_EQ(loaded.PortState(), TSclCustomComPort::psOpen);
}

TEST_F(ComPort, PortNamesMapToDevicesWithTtySAsTheDefault) {
  MapComPort(3, QString());
  EXPECT_EQ(ComPortDevicePath(3), "/dev/ttyS2");
  MapComPort(12, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(ComPortDevicePath(12), "/dev/ttyUSB0");
  EXPECT_EQ(ComPortName(12), "COM12");
  EXPECT_TRUE(PortIsUsable(7));
  EXPECT_FALSE(PortIsUsable(9));
  EXPECT_FALSE(PortIsUsable(0));
}
