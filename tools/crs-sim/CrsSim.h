#pragma once
// A simulated CRS 3000 register on a serial line: a pseudo-terminal, a device, or any file
// descriptor. It serves the line on a thread of its own, so it never blocks the caller's
// thread, and keeps a transcript of every frame it received and sent. Tests steer it with
// faults, status scripts and program or report tables, and read back what the system sent.
//
//   CrsSim sim;                       // default fixtures: the memory allocation (program 14)
//   sim.Start(masterFd);              // or sim.Open("/dev/ttyUSB0"), or sim.OpenPty()
//   sim.AddFault(SimFault::Parse("lostack:cmd=E0,frame=2"));
//   sim.ScriptStatus({0x1, 0x1, 0x6});
//   ... the system talks to the other end ...
//   sim.Program(1);                   // the blocks an F0 sent, as they came
#include "crs-sim/SimFault.h"
#include "crs-sim/SimFrameReader.h"
#include "crs-sim/SimRegister.h"
#include "crs-sim/SimTranscriptEntry.h"

#include <QList>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class SimLine;

struct CrsSimConfig {
  QString fixtureDir = DefaultFixtureDir(); // empty: the register starts with no tables
  int storeNumber = -1;                     // -1: answers every store number
  int baud = 0;                             // 0: no pacing
  int lostAckResendMs = 1000;               // how long the register waits for a lost ACK

  static QString DefaultFixtureDir();
};

class CrsSim {
public:
  using Entries = QList<SimTranscriptEntry>;
  using Observer = std::function<void(const SimTranscriptEntry&)>;

  // Loads the fixtures; throws SimFixtureError.
  explicit CrsSim(const CrsSimConfig& config = {});
  ~CrsSim();
  CrsSim(const CrsSim&) = delete;
  CrsSim& operator=(const CrsSim&) = delete;

  // Serves a descriptor that stays the caller's (it is made non-blocking).
  void Start(int fd);
  // Opens a device (raw mode; the line speed when a standard baud rate is set) and serves it.
  void Open(const QString& devicePath);
  // Makes a pseudo-terminal pair, serves its master and returns the slave's path.
  QString OpenPty();
  // Ends the serving thread; closes what Open and OpenPty opened. Safe to call twice.
  void Stop();
  bool IsRunning() const;
  // Why serving ended by itself (the line closed or failed); empty otherwise.
  QString ClosedReason() const;

  void SetBaud(int baud);
  // How long the register waits for an ACK it lost before it sends the block again.
  void SetLostAckResendMs(int ms);
  void AddFault(const SimFault& fault);
  void ClearFaults();
  QList<SimFault> PendingFaults() const;
  void ScriptStatus(const QList<int>& nibbles);
  // Tables by code; throws SimFixtureError for blocks the register could not send.
  void SetProgram(int code, const QList<QByteArray>& blocks);
  QList<QByteArray> Program(int code) const;
  void SetReport(int code, const QList<QByteArray>& blocks);
  QList<int> ProgramCodes() const;
  QList<int> ReportCodes() const;

  Entries Transcript() const;
  void ClearTranscript();
  // Waits (without holding up the serving thread) until done(transcript) holds, at most
  // timeoutMs; returns whether it held.
  bool WaitFor(const std::function<bool(const Entries&)>& done, int timeoutMs) const;
  // Called on the serving thread for each frame received, and for each frame sent once its
  // last byte is written (after the transcript shows it). The observer may call anything
  // here but SetObserver.
  void SetObserver(Observer observer);

private:
  void MakeIdle();
  void Serve(int fd);
  void OnReceived(const QByteArray& bytes, qint64 nowUs);
  void OnTimer();
  void OnWritten(int id, qint64 firstUs, qint64 lastUs);
  void OnClosed(const QString& why);
  void Act(const SimReaction& reaction);
  void Notify(const Entries& entries);
  SimTranscriptEntry& Append(SimTranscriptEntry entry);

  CrsSimConfig config_;
  qint64 epochNs_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  SimRegister register_;
  SimFrameReader reader_;
  Entries transcript_;
  int nextIndex_ = 0;
  std::mutex observerMutex_;
  Observer observer_;
  QString closedReason_;
  bool running_ = false;
  std::unique_ptr<SimLine> line_;
  std::thread thread_;
  QList<int> ownedFds_;
};
