// The line-sharing switch commands: their bytes, the pause between them, the framing they
// are sent in, and the line given back afterwards.
#include "LinkTestSupport.h"
#include "comm/link/TSclComPort.h"
#include "comm/session/LineSwitch.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TComPortSwitchLine.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/TimingProfile.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
// Records what happens on the line, with the fake clock's time; pauses move the clock.
class RecordingLine final : public ISwitchLine {
public:
  explicit RecordingLine(FakeClock& clock) : clock_(clock), start_(clock.MonotonicMs()) {}
  int DataBits() const override { return dataBits; }
  TParity Parity() const override { return parity; }
  void SetFraming(int bits, TParity p) override {
    dataBits = bits;
    parity = p;
    Record(QStringLiteral("%1%2").arg(bits).arg(p == pNone ? 'N' : p == pOdd ? 'O' : 'E'));
  }
  void Send(const QByteArray& bytes) override {
    if (failSends) throw Exception(QStringLiteral("line gone"));
    Record(QString::fromLatin1(bytes.toHex(' ').toUpper()));
  }
  void After(int ms, std::function<void()> then) override {
    clock_.Advance(ms);
    then();
  }

  int dataBits = 7;
  TParity parity = pOdd;
  bool failSends = false;
  QStringList events;

private:
  void Record(const QString& what) { events << QStringLiteral("%1 %2").arg(clock_.MonotonicMs() - start_).arg(what); }
  FakeClock& clock_;
  qint64 start_;
};

struct SwitchCase {
  const char* name;
  const char* type;
  int number;
  QStringList events; // at ms: framing or bytes
};

class SwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTest, SendsTheCommandInEightBitsWithoutParityAndRestoresTheLine) {
  FakeClock clock;
  ScopedClock use(clock);
  RecordingLine line(clock);
  QStringList failures;
  LineSwitch::Select(line, QString::fromLatin1(GetParam().type), GetParam().number,
                     [&](const QString& failure) { failures << failure; });
  EXPECT_EQ(failures, QStringList{QString()}) << "done once, without a failure";
  EXPECT_EQ(line.events, GetParam().events);
  EXPECT_EQ(line.dataBits, 7);
  EXPECT_EQ(line.parity, pOdd);
}

QStringList Framed(const char* first, const char* second) {
  return {"0 8N", QStringLiteral("0 %1").arg(first), QStringLiteral("1500 %1").arg(second), "1500 7O"};
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SwitchTest,
    ::testing::Values(SwitchCase{"Distributed26", "Distributed", 26, Framed("13 12 12 04", "13 31 41 01")},
                      SwitchCase{"Distributed1", "Distributed", 1, Framed("13 12 12 04", "13 30 31 01")},
                      SwitchCase{"DistributedLowByte", "Distributed", 0x12C, Framed("13 12 12 04", "13 32 43 01")},
                      SwitchCase{"DistributedZero", "Distributed", 0, {}},
                      SwitchCase{"DistributedNegative", "Distributed", -3, {}},
                      SwitchCase{"TypeIsExactText", "distributed", 26, {}},
                      SwitchCase{"FourPort1", "4 Port", 1, Framed("1B 14 04", "1B 14 41")},
                      SwitchCase{"FourPort2", "4 Port", 2, Framed("1B 14 04", "1B 14 42")},
                      SwitchCase{"FourPort4", "4 Port", 4, Framed("1B 14 04", "1B 14 44")},
                      SwitchCase{"FourPort5", "4 Port", 5, {}}, SwitchCase{"FourPort0", "4 Port", 0, {}},
                      SwitchCase{"None", "None", 2, {}}, SwitchCase{"EightPort", "8 Port", 2, {}},
                      SwitchCase{"Cas81", "CAS-81", 2, {}}, SwitchCase{"Empty", "", 2, {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(LineSwitch, ThePauseIsTheTimingProfiles) {
  TimingProfile profile;
  profile.scale = 0.01;
  ScopedTimingProfile use(profile);
  const QList<SwitchStep> steps = LineSwitch::Steps(QStringLiteral("4 Port"), 3);
  ASSERT_EQ(steps.size(), 3);
  EXPECT_EQ(steps[1], (SwitchStep{{}, 15}));
  EXPECT_EQ(SessionTiming::DefaultMs(SessionTiming::SwitchSettle), 1500);
}

TEST(LineSwitch, TheLineIsRestoredWhenSendingFails) {
  FakeClock clock;
  ScopedClock use(clock);
  RecordingLine line(clock);
  line.failSends = true;
  QStringList failures;
  LineSwitch::Select(line, QStringLiteral("Distributed"), 26, [&](const QString& failure) { failures << failure; });
  EXPECT_EQ(failures, QStringList{QStringLiteral("line gone")});
  EXPECT_EQ(line.events, (QStringList{"0 8N", "0 7O"}));
}

// The commands on a real com port of the system, over a pseudo-terminal.
TEST(LineSwitch, TheCommandsReachTheWireAndTheComPortGetsItsFramingBack) {
  ScopedSclFolder folder;
  PtyPair pty;
  MapComPort(5, pty.SlavePath());
  TimingProfile profile;
  profile.intervals.insert(QString::fromLatin1(SessionTiming::Name(SessionTiming::SwitchSettle)), 200);
  ScopedTimingProfile useProfile(profile);

  TSclComPort port;
  port.SetComNumber(5);
  port.SetDataBits(7);
  port.SetParity(pOdd);
  port.SetOpen(true);
  QObject context;
  TComPortSwitchLine line(port, &context);
  QElapsedTimer elapsed;
  elapsed.start();
  qint64 doneAfter = -1;
  LineSwitch::Select(line, QStringLiteral("Distributed"), 26, [&](const QString&) { doneAfter = elapsed.elapsed(); });
  EXPECT_EQ(doneAfter, -1) << "the pause does not hold the caller";
  ASSERT_TRUE(WaitFor([&] { return doneAfter >= 0; }, 3000));
  EXPECT_GE(doneAfter, 200);
  EXPECT_EQ(pty.Read(8).toHex(' '), QByteArray("13 12 12 04 13 31 41 01"));
  EXPECT_EQ(port.DataBits(), 7);
  EXPECT_EQ(port.Parity(), pOdd);
  port.SetOpen(false);
}
} // namespace
