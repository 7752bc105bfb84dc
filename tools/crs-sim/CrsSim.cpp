#include "crs-sim/CrsSim.h"

#include "crs-sim/SimErrors.h"
#include "crs-sim/SimLine.h"
#include "crs-sim/SimTty.h"

#include <chrono>
#include <unistd.h>

QString CrsSimConfig::DefaultFixtureDir() { return QStringLiteral(":/crs-sim/fixtures"); }

CrsSim::CrsSim(const CrsSimConfig& config)
    : config_(config), epochNs_(SimLine::SteadyNs()), register_(SimFixtures::Load(config.fixtureDir)) {
  register_.SetStore(config.storeNumber);
  register_.SetLostAckResendMs(config.lostAckResendMs);
}

CrsSim::~CrsSim() { Stop(); }

void CrsSim::Start(int fd) { Serve(fd); }

void CrsSim::Open(const QString& devicePath) {
  MakeIdle();
  const int fd = SimTty::OpenDevice(devicePath, config_.baud);
  ownedFds_.append(fd);
  Serve(fd);
}

QString CrsSim::OpenPty() {
  MakeIdle();
  const SimTty::Pty pty = SimTty::OpenPty();
  ownedFds_ << pty.master << pty.slave;
  Serve(pty.master);
  return pty.slavePath;
}

// Ends a serving thread that stopped by itself; refuses while one is still serving.
void CrsSim::MakeIdle() {
  if (!thread_.joinable()) return;
  if (IsRunning()) throw SimLineError(QStringLiteral("The simulator already serves a line"));
  Stop();
}

void CrsSim::Serve(int fd) {
  MakeIdle();
  SimLine::Handler handler{
      [this](const QByteArray& bytes, qint64 nowUs) { OnReceived(bytes, nowUs); },
      [this](qint64) { OnTimer(); },
      [this](int id, qint64 firstUs, qint64 lastUs) { OnWritten(id, firstUs, lastUs); },
      [this](const QString& why) { OnClosed(why); },
  };
  std::lock_guard lock(mutex_);
  line_ = std::make_unique<SimLine>(fd, std::move(handler), epochNs_);
  line_->SetBaud(config_.baud);
  closedReason_.clear();
  running_ = true;
  thread_ = std::thread([this] {
    line_->Run();
    std::lock_guard done(mutex_);
    running_ = false;
    changed_.notify_all();
  });
}

void CrsSim::Stop() {
  {
    std::lock_guard lock(mutex_);
    if (line_) line_->Stop();
  }
  if (thread_.joinable()) thread_.join();
  std::lock_guard lock(mutex_);
  line_.reset();
  for (int fd : ownedFds_) close(fd);
  ownedFds_.clear();
}

bool CrsSim::IsRunning() const {
  std::lock_guard lock(mutex_);
  return running_;
}

QString CrsSim::ClosedReason() const {
  std::lock_guard lock(mutex_);
  return closedReason_;
}

void CrsSim::SetBaud(int baud) {
  std::lock_guard lock(mutex_);
  config_.baud = baud;
  if (line_) line_->SetBaud(baud);
}

void CrsSim::SetLostAckResendMs(int ms) {
  std::lock_guard lock(mutex_);
  config_.lostAckResendMs = ms;
  register_.SetLostAckResendMs(ms);
}

void CrsSim::AddFault(const SimFault& fault) {
  std::lock_guard lock(mutex_);
  register_.Faults().Add(fault);
}

void CrsSim::ClearFaults() {
  std::lock_guard lock(mutex_);
  register_.Faults().Clear();
}

QList<SimFault> CrsSim::PendingFaults() const {
  std::lock_guard lock(mutex_);
  return register_.Faults().Pending();
}

void CrsSim::ScriptStatus(const QList<int>& nibbles) {
  std::lock_guard lock(mutex_);
  register_.ScriptStatus(nibbles);
}

void CrsSim::SetProgram(int code, const QList<QByteArray>& blocks) {
  std::lock_guard lock(mutex_);
  register_.SetProgram(code, blocks);
}

QList<QByteArray> CrsSim::Program(int code) const {
  std::lock_guard lock(mutex_);
  return register_.Program(code);
}

void CrsSim::SetReport(int code, const QList<QByteArray>& blocks) {
  std::lock_guard lock(mutex_);
  register_.SetReport(code, blocks);
}

QList<int> CrsSim::ProgramCodes() const {
  std::lock_guard lock(mutex_);
  return register_.ProgramCodes();
}

QList<int> CrsSim::ReportCodes() const {
  std::lock_guard lock(mutex_);
  return register_.ReportCodes();
}

CrsSim::Entries CrsSim::Transcript() const {
  std::lock_guard lock(mutex_);
  // A list of its own, not a shared one: the serving thread goes on appending to and
  // completing entries of the original in place.
  Entries copy;
  copy.reserve(transcript_.size());
  for (const SimTranscriptEntry& entry : transcript_) copy.append(entry);
  return copy;
}

void CrsSim::ClearTranscript() {
  std::lock_guard lock(mutex_);
  transcript_.clear();
}

bool CrsSim::WaitFor(const std::function<bool(const Entries&)>& done, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  return changed_.wait_until(lock, deadline, [&] { return done(transcript_); });
}

void CrsSim::SetObserver(Observer observer) {
  std::lock_guard lock(observerMutex_); // waits for a call in progress to end
  observer_ = std::move(observer);
}

// The serving thread's side. The register and the transcript change under the lock; the
// observer is called after it is released, under a lock of its own, so that once
// SetObserver has returned the old observer is no longer running.

void CrsSim::OnReceived(const QByteArray& bytes, qint64 nowUs) {
  Entries done;
  {
    std::lock_guard lock(mutex_);
    for (const SimWireFrame& frame : reader_.Feed(bytes, nowUs)) {
      const SimReaction reaction = register_.OnFrame(frame);
      SimTranscriptEntry entry = SimTranscriptEntry::Received(frame);
      entry.note = reaction.note;
      done.append(Append(entry));
      Act(reaction);
    }
    changed_.notify_all();
  }
  Notify(done);
}

void CrsSim::OnTimer() {
  std::lock_guard lock(mutex_);
  Act(register_.OnTimer());
  changed_.notify_all();
}

// Sent frames enter the transcript when queued; the observer hears of them once written.
void CrsSim::Act(const SimReaction& reaction) {
  if (reaction.cancelTimer) line_->CancelTimer();
  if (reaction.armTimerMs >= 0) line_->ArmTimer(reaction.armTimerMs);
  for (const SimOutput& out : reaction.out) {
    const SimTranscriptEntry& entry = Append(out.body ? SimTranscriptEntry::Sending(out.wire, out.note, *out.body, out.crcOk)
                                                      : SimTranscriptEntry::Sending(out.wire, out.note));
    line_->Queue(entry.index, out.wire);
  }
}

void CrsSim::OnWritten(int id, qint64 firstUs, qint64 lastUs) {
  Entries done;
  {
    std::lock_guard lock(mutex_);
    for (qsizetype i = transcript_.size() - 1; i >= 0; --i)
      if (transcript_[i].index == id) {
        transcript_[i].startUs = firstUs;
        transcript_[i].endUs = lastUs;
        done.append(transcript_[i]);
        break;
      }
    changed_.notify_all();
  }
  Notify(done);
}

void CrsSim::OnClosed(const QString& why) {
  std::lock_guard lock(mutex_);
  closedReason_ = why;
}

void CrsSim::Notify(const Entries& entries) {
  std::lock_guard lock(observerMutex_);
  if (observer_)
    for (const SimTranscriptEntry& entry : entries) observer_(entry);
}

SimTranscriptEntry& CrsSim::Append(SimTranscriptEntry entry) {
  entry.index = nextIndex_++;
  transcript_.append(std::move(entry));
  return transcript_.last();
}
