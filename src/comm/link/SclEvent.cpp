#include "comm/link/SclEvent.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

SclEvent::SclEvent(bool manualReset) : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)), manual_(manualReset) {}

SclEvent::~SclEvent() {
  if (fd_ >= 0) close(fd_);
}

void SclEvent::Set() {
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t n = write(fd_, &one, sizeof one);
}

void SclEvent::Reset() {
  uint64_t value;
  [[maybe_unused]] ssize_t n = read(fd_, &value, sizeof value);
}

bool SclEvent::IsSet() const {
  pollfd p{fd_, POLLIN, 0};
  return poll(&p, 1, 0) > 0;
}

bool SclEvent::Wait(int ms) { return WaitAny({this}, ms) == 0; }

int SclEvent::WaitAny(std::initializer_list<SclEvent*> events, int ms) {
  std::vector<pollfd> fds;
  for (SclEvent* e : events) fds.push_back({e->fd_, POLLIN, 0});
  int r;
  do {
    r = poll(fds.data(), fds.size(), ms);
  } while (r < 0 && errno == EINTR);
  for (size_t i = 0; i < fds.size(); ++i) {
    if (fds[i].revents & POLLIN) {
      SclEvent* e = events.begin()[i];
      if (!e->manual_) e->Reset();
      return static_cast<int>(i);
    }
  }
  return -1;
}
