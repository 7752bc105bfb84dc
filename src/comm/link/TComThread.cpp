#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclDispatcherThread.h"

void TComThread::Body() {
  d_.threadAck_.Set();
  for (;;) {
    bool wantInput;
    {
      // While the input ring is full the device keeps its bytes; waiting for them then
      // would only spin. Taking bytes from a full ring wakes this wait again.
      std::lock_guard lock(d_.inputLock_);
      wantInput = !d_.input_.Full();
    }
    const uint32_t mask = d_.device_->WaitEvent(d_.eventWake_.Fd(), wantInput);
    if (d_.killThreads_) break;
    if (mask == 0) {
      d_.eventWake_.Reset();
      continue;
    }
    if (mask & SerialDevice::EvRing) d_.ringSeen_ = true;
    d_.eventMask_ = mask;
    d_.eventReady_.Set();
    d_.dispatchDone_.Wait(-1);
    if (d_.killThreads_) break;
  }
  d_.threadAck_.Set();
}
