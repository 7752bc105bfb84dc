#pragma once
// Polling sessions with their real communication windows, over a pseudo-terminal to the
// simulated register: the job queue, the controller as its session starter, a CRS 3000
// 3.04 machine on "Direct to COM7". Every protocol interval is scaled down; the wall
// clock runs from a fixed time and can be moved on.
#include "LinkTestSupport.h"
#include "comm/session/TfmComCtrl.h"
#include "crs-sim/CrsSim.h"
#include "model/EcrForms.h"
#include "model/ScopedDataFolder.h"
#include "platform/sys/Clock.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <atomic>
#include <memory>
#include <vector>

class tActnRpt;
class tHistoryEvent;
class tMachine;

// Real milliseconds; the wall time starts at a fixed time and moves with them, plus any
// time the test adds.
class MovableWallClock final : public Clock {
public:
  qint64 MonotonicMs() const override { return system_.MonotonicMs(); }
  QDateTime Now() const override {
    return QDateTime(QDate(2026, 3, 4), QTime(10, 30)).addMSecs(MonotonicMs() - start_ + extra_);
  }
  void Add(qint64 ms) { extra_ += ms; }

private:
  SystemClock system_;
  qint64 start_ = system_.MonotonicMs();
  std::atomic<qint64> extra_{0};
};

// Another line: "Direct to COMn" on a pseudo-terminal of its own, with its own simulated
// register.
struct SimLineOnPort {
  explicit SimLineOnPort(int com);
  ~SimLineOnPort();
  SimLineOnPort(const SimLineOnPort&) = delete;
  SimLineOnPort& operator=(const SimLineOnPort&) = delete;

  QString port;
  PtyPair pty;
  int held = -1;
  CrsSim sim;
};

class WindowFixture : public ::testing::Test {
protected:
  static inline const QString Port = QStringLiteral("Direct to COM7");
  WindowFixture();
  ~WindowFixture() override;

  // A stored CRS 3000 machine on the port.
  void AddRegister(const QString& id, const QString& port = Port);
  // A poll of the machine's report of that name.
  static std::unique_ptr<tActnRpt> ReportPoll(const tMachine& machine, const QString& reportName);
  // Queues a "Prompted" poll of the machine's financial report; its callback codes go to codes.
  QString QueueFinancial(const QString& machineId);
  bool RunUntilIdle(int timeoutMs = 20000);
  // The controller's session in slot 1's window.
  class TfrmCommunicate* Window(int slot = 1) const;

  // The register answers a read of the report code with crs-synth's answer for the report
  // kind (its default records, seed 1).
  static void SetReport(CrsSim& register_, int code, const QString& kind);
  void SetFinancial() { SetReport(sim, 33, QStringLiteral("fncl303")); }
  // The ended jobs ("History") in the order they ended.
  static std::vector<std::unique_ptr<tHistoryEvent>> Ended();
  struct LogRow {
    QString result, duration, machine, entry;
  };
  static QList<LogRow> LogRows();
  // How many polls AllPolls holds (of the machine, when given).
  static qint64 Polls(const QString& machineId = QString());

  TimingProfile profile;
  MovableWallClock clock;
  ScriptedPrompter prompter;
  QTemporaryDir work;
  ScopedDataFolder data{work.path()};
  PtyPair pty;
  int held_ = -1; // keeps the line's far end open between sessions
  CrsSim sim;
  TfmComCtrl ctrl;
  QList<int> codes;

private:
  std::unique_ptr<ScopedTimingProfile> scopedProfile_;
  std::unique_ptr<ScopedClock> scopedClock_;
  std::unique_ptr<ScopedPrompter> scopedPrompter_;
  std::unique_ptr<ScopedForm<RptSelectRequest>> noFollowUp_;
};
