#pragma once
// A session's protocol module against the simulated register over a pseudo-terminal: the
// system's own com port, a machine with a CRS 3000 3.02 driver, the progress lines and a
// receiver of the session messages. Every interval of the protocol is scaled down; the
// wall time of the progress lines is fixed.
#include "LinkTestSupport.h"
#include "model/ScopedDataFolder.h"
#include "comm/crs/TProgressLines.h"
#include "comm/crs/TSessionMsgEvent.h"
#include "comm/crs/TdmCommCrs.h"
#include "comm/link/TSclComPort.h"
#include "crs-sim/CrsSim.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/tEcrFnct.h"
#include "model/tMachine.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

// Texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Real milliseconds, a fixed wall time.
class FixedWallClock final : public Clock {
public:
  qint64 MonotonicMs() const override { return system_.MonotonicMs(); }
  QDateTime Now() const override { return QDateTime(QDate(2026, 3, 4), QTime(10, 30)); }

private:
  SystemClock system_;
};

// The controller's part: every session message, in order.
class SessionReceiver : public QObject {
public:
  struct Received {
    int slot;
    tMpMessage message;
    const QObject* source;
  };
  QList<Received> messages;

protected:
  bool event(QEvent* e) override;
};

class ProtoFixture : public ::testing::Test {
protected:
  static constexpr int kSlot = 3;
  // The progress lines start with the fixed time.
  static inline const QString T = QStringLiteral("10:30:00 AM ");

  ProtoFixture();
  ~ProtoFixture() override;

  // Starts a transfer and waits for its end report, then a little longer to see that no
  // second one follows; the message, or MpmInitial when none came in time.
  tMpMessage Run(const std::function<void()>& start, int timeoutMs = 20000);
  // Every frame on the line, in order: "> " from the system, "< " from the register, then
  // ACK, NAK, EOT, "CMD <command and data> <store> <first><last>", "BLK <number>",
  // "STAT <status byte>", "ERR <code>"; "BAD " before a data frame with a wrong CRC.
  QStringList Wire() const;
  // The system's frames only.
  QStringList Sent() const;
  QStringList Lines() const { return progress.Lines(); }
  // Sets a scaled interval of the protocol, in ms.
  void SetMs(const char* name, int ms) { profile.intervals.insert(QString::fromLatin1(name), ms); }
  // Report objects of the session's driver.
  template <class T> std::unique_ptr<T> NewRpt(int first = 1, int last = 24);
  tEcrCrs3000& Driver() const;

  TimingProfile profile;
  FixedWallClock clock;
  ScriptedPrompter prompter;
  QTemporaryDir work;
  ScopedDataFolder data{work.path()}; // each test stores its polls and tables apart
  PtyPair pty; // the register's end is the master
  CrsSim sim;
  TSclComPort port;
  tMachine machine;
  TProgressLines progress;
  SessionReceiver receiver;
  std::unique_ptr<TdmCommCrs> module;

private:
  std::unique_ptr<ScopedTimingProfile> scopedProfile_;
  std::unique_ptr<ScopedClock> scopedClock_;
  std::unique_ptr<ScopedPrompter> scopedPrompter_;
};

template <class T> std::unique_ptr<T> ProtoFixture::NewRpt(int first, int last) {
  auto rpt = tEcrFnct::New<T>(&Driver());
  rpt->SetIntParam(3, first);
  rpt->SetIntParam(4, last);
  return rpt;
}

// The body of a command frame as the register reads it, built here from its parts.
QByteArray CommandBody(quint8 command, const QByteArray& data, const QByteArray& store = "0001", quint8 first = 0x01,
                       quint8 last = 0x24);
