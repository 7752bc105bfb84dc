// The data operations of the dispatcher: the output ring that the writer drains and the
// input ring that the dispatch thread fills.
#include "comm/link/TSclBaseDispatcher.h"

#include "comm/link/SclErrorCodes.h"
#include "comm/link/TSclDispatcherThread.h"

#include <algorithm>

using L = TSclDispatchLog;

namespace {
// Reads per fill: the room up to the end of the ring, then from its start.
constexpr int kFillPieces = 2;
} // namespace

int TSclBaseDispatcher::QueueBlock(const char* bytes, int n) {
  if (n <= 0) return 0;
  {
    std::lock_guard lock(outputLock_);
    // Errors read here join those still pending: replacing them would lose a line error
    // that the dispatch thread has seen but no trigger has reported yet.
    NoteErrors(ReadErrors());
    if (output_.Size() == 0) return SclErr::CommNotOpen;
    if (n > output_.Room()) return SclErr::OutputBufferTooSmall;
    outputQueued_ = true;
    queuedSinceDrain_ = true;
    const int sent = WriteAtOnce(bytes, n);
    if (sent < n) {
      output_.Put(bytes + sent, n - sent);
      outputReady_.Set();
    }
  }
  std::lock_guard lock(portLock_);
  if (log_.Logging()) log_.AddEntry(L::lkDispatch, L::lsWriteCom, static_cast<uint32_t>(n), QByteArray(bytes, n));
  if (trace_.Tracing())
    for (int i = 0; i < n; ++i) trace_.Add('T', static_cast<uint8_t>(bytes[i]));
  return 0;
}

// While the writer runs with nothing pending and no purge is under way, the bytes may go to
// the device from here, as far as it takes them at once: a short answer then leaves
// without waking the writer. The rest, and anything after a device error, takes the
// writer's way. Held under the output lock, so nothing can be queued or purged meanwhile.
int TSclBaseDispatcher::WriteAtOnce(const char* bytes, int n) {
  if (!device_ || !outThread_ || !outThread_->Running() || output_.Used() != 0 || abortPending_ || clearsDone_ != clearsAsked_ || !device_->OutputAllowed()) return 0;
  const int put = device_->Write(bytes, n);
  return put > 0 ? put : 0;
}

int TSclBaseDispatcher::TakeBlock(char* buffer, int n) {
  if (n <= 0) return 0;
  bool wake;
  {
    std::lock_guard lock(inputLock_);
    wake = input_.Full() && !inAvailNotification_;
    const int taken = inAvailNotification_ ? takenCount_ : 0;
    if (input_.Used() - taken < n) return SclErr::BufferIsEmpty;
    input_.Peek(taken, buffer, n);
    // During an avail notification every handler reads the same bytes; the ring moves
    // once, by the most any handler took, when the notification ends.
    if (inAvailNotification_) takenCount_ += n;
    else input_.Consume(n);
  }
  if (wake) WakeEventWaiter(); // it stopped waiting for input while the ring was full
  std::lock_guard lock(portLock_);
  if (trace_.Tracing())
    for (int i = 0; i < n; ++i) trace_.Add('R', static_cast<uint8_t>(buffer[i]));
  return n;
}

int TSclBaseDispatcher::InputCount() {
  std::lock_guard lock(inputLock_);
  return input_.Used() - (inAvailNotification_ ? takenCount_ : 0);
}

int TSclBaseDispatcher::OutputUsed() {
  std::lock_guard lock(outputLock_);
  NoteErrors(ReadErrors());
  return output_.Used();
}

int TSclBaseDispatcher::OutputFree() {
  std::lock_guard lock(outputLock_);
  NoteErrors(ReadErrors());
  return output_.Room();
}

// Discards pending output. The writer first lets go of the run it is sending (it answers
// this very request, never an older one), then the ring is emptied and the device's transmit
// side purged, so nothing queued before the purge reaches the line after it.
int TSclBaseDispatcher::ClearOutput() {
  std::unique_lock lock(outputLock_);
  const uint64_t request = ++clearsAsked_;
  if (outThread_ && outThread_->Running() && !outThread_->IsCurrent()) {
    abortPending_ = true;
    outputAbort_.Set();
    while (clearsAcknowledged_ < request && outThread_->Running())
      clearAcknowledged_.wait_for(lock, std::chrono::milliseconds(20));
  } else if (!outThread_ || !outThread_->IsCurrent()) {
    clearsAcknowledged_ = request; // no writer holds a run
  }
  output_.Reset();
  clearsDone_ = std::max(clearsDone_, request);
  if (clearsAsked_ == request) abortPending_ = false;
  return device_ ? device_->Purge(false, true) : 0;
}

void TSclBaseDispatcher::AcknowledgeClear() {
  std::lock_guard lock(outputLock_);
  clearsAcknowledged_ = clearsAsked_;
  clearAcknowledged_.notify_all();
}

int TSclBaseDispatcher::ClearInput() {
  std::lock_guard lock(inputLock_);
  const int result = device_ ? device_->Purge(true, false) : 0;
  if (inAvailNotification_) {
    mostTaken_ = input_.Used();
  } else {
    input_.Consume(input_.Used());
    takenCount_ = 0;
  }
  return result;
}

// Reads what the device holds into the input ring, as much as there is room for: at the head
// up to the end of the ring (or the tail), then on from index 0. Bytes beyond the room stay
// in the device, whose own flow control then holds the sender.
int TSclBaseDispatcher::FillInput() {
  std::lock_guard lock(inputLock_);
  if (!device_ || input_.Size() == 0 || input_.Full()) return 0;
  NoteErrors(ReadErrors());
  int total = 0;
  bool drained = false;
  // A read takes what the device holds, up to the room; less than the room: it is empty.
  for (int piece = 0; piece < kFillPieces && !input_.Full(); ++piece) {
    int room;
    char* at = input_.HeadRun(room);
    const int got = device_->Read(at, room);
    drained = got >= 0 && got < room;
    if (got <= 0) break; // a failed read counts as nothing read
    input_.Produced(got);
    newBytes_ += got;
    total += got;
    {
      std::lock_guard portLock(portLock_);
      if (log_.Logging()) log_.AddEntry(L::lkDispatch, L::lsReadCom, static_cast<uint32_t>(got), QByteArray(at, got));
    }
    if (got < room) break;
  }
  device_->CheckInputFlow(drained ? 0 : -1);
  return total;
}

int TSclBaseDispatcher::TransmitRun(const char* bytes, int n) {
  for (;;) {
    if (abortPending_) return -1;
    const int put = device_->OutputAllowed() ? device_->Write(bytes, n) : 0;
    if (put < 0) return n; // the device failed: this run is lost
    if (put > 0) return put;
    if (!device_->WaitWritable(outputAbort_.Fd())) return -1;
  }
}
