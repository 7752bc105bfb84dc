#include "comm/link/TSclBaseDispatcher.h"

#include "comm/link/SclHandOff.h"
#include "comm/link/TSclDispatcherList.h"
#include "comm/link/TSclDispatcherThread.h"
#include "platform/sys/Exception.h"
#include "platform/sys/TimingProfile.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

TSclBaseDispatcher::TSclBaseDispatcher(TSclCustomComPort* owner) : owner_(owner) {
  handle_ = TSclDispatcherList::Add(this);
}

TSclBaseDispatcher::~TSclBaseDispatcher() {
  if (closePending_) ReleasePort();
  else StopPort();
  // The threads' last steps still touch this object: wait until they are quite gone.
  for (auto* t : {comThread_.get(), dispThread_.get(), outThread_.get()})
    if (t) t->Join();
  TSclDispatcherList::Remove(handle_);
}

int TSclBaseDispatcher::StartPort(const QString& deviceName, int baud, bool rts, bool dtr, int outSize,
                                  int inSize, int stopBits, int dataBits, int parity) {
  ringSeen_ = closePending_ = removalsDeferred_ = inNotification_ = false;
  killThreads_ = false;
  for (SclEvent* e : {&eventReady_, &dispatchDone_, &threadAck_, &outputReady_, &outputAbort_, &eventWake_})
    e->Reset();
  inputQueueSize_ = inSize;
  outputSize_ = outSize;
  if (int r = OpenDevice(deviceName, inSize, outSize); r < 0) {
    StopPort();
    return r;
  }
  deviceOpen_ = true;
  {
    std::scoped_lock lock(inputLock_, outputLock_);
    input_.Allocate(kInputSize);
    output_.Allocate(outSize);
    newBytes_ = takenCount_ = mostTaken_ = 0;
    queuedSinceDrain_ = false;
    inAvailNotification_ = false;
  }
  {
    std::lock_guard lock(portLock_);
    pendingErrors_ = 0;
    rs485_ = false;
    device_->GetLine(state_.Line);
    state_.Flow = device_->Flow();
    dtrState_ = dtr;
    rtsState_ = rts;
    RedriveLines();
    triggers_.Clear();
    statusHit_ = false;
    modemStatus_ = 0;
  }
  ReadModemStatus(msLines);
  lastBaud_ = 115200;
  if (int r = ChangeLine(baud, parity, dataBits, stopBits); r < 0) {
    StopPort();
    return r;
  }
  ReadErrors();
  {
    std::lock_guard lock(portLock_);
    pendingErrors_ = 0;
    trace_.Stop();
    log_.Stop();
    log_.StartClock();
  }
  StartThreads();
  return 0;
}

int TSclBaseDispatcher::StopPort() {
  if (deviceOpen_) {
    ClearOutput();
    ClearInput();
    CloseDevice();
  }
  // Asked from a handler of a notification, the dispatch thread waits for this very call
  // (or is making it): it completes the close itself once the notification has returned.
  if (inNotification_ && CalledFromNotification()) closePending_ = true;
  else ReleasePort();
  return 0;
}

bool TSclBaseDispatcher::CalledFromNotification() const {
  if (!dispThread_) return true; // no threads: the caller delivers the notification itself
  return dispThread_->IsCurrent() || SclInHandOffFrom(dispThread_->Id());
}

int TSclBaseDispatcher::CloseDevice() {
  if (!deviceOpen_.exchange(false)) return -1;
  if (threadsActive_) {
    killThreads_ = true;
    eventWake_.Set();
    dispatchDone_.Set();
    eventReady_.Set();
    threadAck_.Reset();
  } else {
    device_.reset();
  }
  return 0;
}

void TSclBaseDispatcher::ReleasePort() {
  {
    std::lock_guard lock(releaseMutex_);
    if (released_) return;
    released_ = true;
  }
  if (threadsActive_) {
    try {
      StopThreads();
    } catch (const Exception&) {
      // They all ended on their own meanwhile.
    }
  }
  std::scoped_lock lock(inputLock_, outputLock_, portLock_);
  output_.Release();
  input_.Release();
  device_.reset();
  deviceOpen_ = false;
}

void TSclBaseDispatcher::StartThreads() {
  std::lock_guard lock(portLock_);
  if (threadsActive_) throw Exception(QStringLiteral("Dispatcher already started"));
  threadsActive_ = true;
  killThreads_ = false;
  abortPending_ = false;
  const int startMs = TimingMs("link.threadStartMs", 3000);
  comThread_ = std::make_unique<TComThread>(*this);
  dispThread_ = std::make_unique<TDispThread>(*this);
  outThread_ = std::make_unique<TOutThread>(*this);
  for (auto* t : {comThread_.get(), dispThread_.get(), outThread_.get()}) {
    t->Start();
    threadAck_.Wait(startMs);
  }
}

void TSclBaseDispatcher::ThreadEnded() {
  std::lock_guard lock(threadMutex_);
  if (--runningThreads_ == 0) threadsActive_ = false;
  threadEnded_.notify_all();
}

// Waits for a thread to end. On a thread with an event loop (the GUI thread) events keep
// being processed meanwhile, so a dispatch thread waiting for a hand-off to it can finish.
void TSclBaseDispatcher::WaitThreadEnded(TSclDispatcherThread* thread) {
  if (!thread || thread->IsCurrent()) return;
  const bool pump = QCoreApplication::instance() && QThread::currentThread()->eventDispatcher();
  while (thread->Running()) {
    if (pump) QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::unique_lock lock(threadMutex_);
    threadEnded_.wait_for(lock, std::chrono::milliseconds(1), [&] { return !thread->Running(); });
  }
  thread->Join();
}

void TSclBaseDispatcher::StopThreads() {
  {
    std::lock_guard lock(portLock_);
    if (!threadsActive_) throw Exception(QStringLiteral("Dispatcher not running"));
    killThreads_ = true;
  }
  if (outThread_ && outThread_->Running()) {
    abortPending_ = true;
    outputAbort_.Set();
    WaitThreadEnded(outThread_.get());
  }
  if (comThread_ && comThread_->Running()) {
    eventWake_.Set();
    dispatchDone_.Set();
    threadAck_.Reset();
    WaitThreadEnded(comThread_.get());
  }
  eventReady_.Set(); // the dispatch thread sees the stop now, not at the end of its cycle
  WaitThreadEnded(dispThread_.get());
}

void TSclBaseDispatcher::SetPriorityBoost(int boost) {
  std::lock_guard lock(portLock_);
  if (boost == priorityBoost_) return;
  priorityBoost_ = boost;
  for (auto* t : {comThread_.get(), dispThread_.get(), outThread_.get()})
    if (t) t->ApplyPriority(boost + (t == outThread_.get() && rs485_ ? 1 : 0));
}

void TSclBaseDispatcher::SetRs485(bool on) {
  std::lock_guard lock(portLock_);
  rs485_ = on;
  if (outThread_) outThread_->ApplyPriority(priorityBoost_ + (on ? 1 : 0));
}

void TSclBaseDispatcher::SetOptionBit(uint32_t bit, bool on) {
  std::lock_guard lock(portLock_);
  optionBits_ = on ? (optionBits_ | bit) : (optionBits_ & ~bit);
}

void TSclBaseDispatcher::RefreshHandlerNeed(int kind) {
  std::lock_guard lock(portLock_);
  if (kind == 1) portHandlerInstalled_ = true;
  if (kind == 2) portHandlerInstalled_ = false;
  if (kind == 1) handlersNeeded_ = true;
  else handlersNeeded_ = windows_.size() > 1 || !methods_.empty() || portHandlerInstalled_;
}

int TSclBaseDispatcher::StartTrace(int entries) {
  std::lock_guard lock(portLock_);
  return trace_.Start(entries);
}
void TSclBaseDispatcher::StopTrace() {
  std::lock_guard lock(portLock_);
  trace_.Stop();
}
void TSclBaseDispatcher::ClearTrace() {
  std::lock_guard lock(portLock_);
  trace_.Clear();
}
void TSclBaseDispatcher::ResumeTrace() {
  std::lock_guard lock(portLock_);
  trace_.Resume();
}
void TSclBaseDispatcher::PauseTrace() {
  std::lock_guard lock(portLock_);
  trace_.Pause();
}
int TSclBaseDispatcher::DumpTrace(const QString& fileName, bool append, bool hex) {
  std::lock_guard lock(portLock_);
  return trace_.Dump(fileName, append, hex);
}
void TSclBaseDispatcher::StartLog(int size) {
  std::lock_guard lock(portLock_);
  log_.Start(size);
}
void TSclBaseDispatcher::StopLog() {
  std::lock_guard lock(portLock_);
  log_.Stop();
}
void TSclBaseDispatcher::ClearLog() {
  std::lock_guard lock(portLock_);
  log_.Clear();
}
void TSclBaseDispatcher::ResumeLog() {
  std::lock_guard lock(portLock_);
  log_.Resume();
}
void TSclBaseDispatcher::PauseLog() {
  std::lock_guard lock(portLock_);
  log_.Pause();
}
void TSclBaseDispatcher::AddLogEntry(int kind, int subKind, uint32_t data, const QByteArray& bytes) {
  std::lock_guard lock(portLock_);
  if (log_.Logging()) log_.AddEntry(kind, subKind, data, bytes);
}
void TSclBaseDispatcher::AddLogMark(const QString& text) {
  std::lock_guard lock(portLock_);
  log_.AddMark(text);
}
int TSclBaseDispatcher::DumpLog(const QString& fileName, bool append, bool hex) {
  std::lock_guard lock(portLock_);
  return log_.Dump(fileName, append, hex);
}
bool TSclBaseDispatcher::Logging() {
  std::lock_guard lock(portLock_);
  return log_.Logging();
}
