#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclDispatcherThread.h"
#include "platform/sys/TimingProfile.h"

void TDispThread::Body() {
  d_.threadAck_.Set();
  const int cycleMs = TimingMs("link.dispatchCycleMs", 50);
  while (!d_.killThreads_ && !d_.closePending_) {
    const bool event = d_.eventReady_.Wait(cycleMs);
    if (d_.killThreads_) break;
    if (event) {
      d_.HandleDeviceEvent(d_.eventMask_);
      if (d_.closePending_) break;
      d_.dispatchDone_.Set();
    }
    if (d_.closePending_) break;
    d_.ScanCycle();
  }
  d_.releaseOnExit_ = d_.closePending_.load();
  if (!d_.releaseOnExit_) d_.threadAck_.Set();
}

void TDispThread::AfterBody() {
  // A close asked from inside a notification is finished here, on this thread, once the
  // notification has returned.
  if (d_.releaseOnExit_) d_.ReleasePort();
}
