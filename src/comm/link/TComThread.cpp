#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclDispatcherThread.h"
#include "platform/sys/TimingProfile.h"

#include <chrono>
#include <poll.h>

namespace {
// True when fd became readable within us microseconds.
bool Signalled(int fd, int us) {
  pollfd p{fd, POLLIN, 0};
  const timespec wait{us / 1000000, (us % 1000000) * 1000L};
  return ::ppoll(&p, 1, &wait, nullptr) > 0;
}
} // namespace

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
    uint32_t mask = d_.device_->WaitEvent(d_.eventWake_.Fd(), wantInput);
    if (d_.killThreads_) break;
    if (mask == 0) {
      d_.eventWake_.Reset();
      continue;
    }
    if (mask == SerialDevice::EvRxChar) GatherInput();
    if (d_.killThreads_) break;
    if (mask & SerialDevice::EvRing) d_.ringSeen_ = true;
    d_.eventMask_ = mask;
    d_.eventReady_.Set();
    d_.dispatchDone_.Wait(-1);
    if (d_.killThreads_) break;
  }
  d_.threadAck_.Set();
}

// A line brings a frame a character or a few at a time. While its characters keep coming,
// the arrival is reported only when they pause for two characters' time (or after
// link.gatherChars characters' time, or once half the input ring waits): the listeners
// then take a run of bytes in one delivery instead of one delivery for each byte. Line
// and modem events are never held.
void TComThread::GatherInput() {
  const int chars = TimingCount("link.gatherChars", 16);
  if (chars <= 0) return;
  const int charUs = d_.CharTimeUs();
  const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(qint64(charUs) * chars);
  int room;
  {
    std::lock_guard lock(d_.inputLock_);
    room = d_.input_.Room();
  }
  int seen = d_.device_->InputCount();
  while (seen < room / 2 && std::chrono::steady_clock::now() < until) {
    if (Signalled(d_.eventWake_.Fd(), 2 * charUs)) return; // a close or a change: the wait resumes
    const int now = d_.device_->InputCount();
    if (now <= seen) return;
    seen = now;
  }
}
