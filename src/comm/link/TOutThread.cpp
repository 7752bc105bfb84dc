#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclDispatcherThread.h"

void TOutThread::Body() {
  d_.threadAck_.Set();
  while (!d_.killThreads_ && !d_.closePending_) {
    const int which = SclEvent::WaitAny({&d_.outputReady_, &d_.outputAbort_}, -1);
    if (which == 1) {
      d_.AcknowledgeClear(); // what ClearOutput waits for
      continue;
    }
    if (d_.killThreads_) break;
    Drain();
  }
}

// Sends the pending bytes in order, each once, in contiguous runs; the ring is locked only
// to find a run and to move its tail, never during the write. The tail moves after every
// write the device takes, so the ring has room again as soon as possible.
void TOutThread::Drain() {
  for (;;) {
    const char* run;
    int length;
    uint64_t clears;
    {
      std::lock_guard lock(d_.outputLock_);
      // A purge is asked for or not finished yet: the ring still holds what it discards.
      if (d_.clearsDone_ != d_.clearsAsked_) break;
      clears = d_.clearsAsked_;
      run = d_.output_.NextRun(length);
    }
    if (length == 0) return;
    const int sent = d_.TransmitRun(run, length);
    std::lock_guard lock(d_.outputLock_);
    if (sent < 0 || d_.clearsAsked_ != clears) break;
    d_.output_.Consume(sent);
  }
  d_.AcknowledgeClear();
}
