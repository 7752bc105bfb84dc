#include "platform/serialdev/SerialDevice.h"

#include "platform/serialdev/ModemLineWatcher.h"
#include "platform/serialdev/SystemError.h"
#include "platform/serialdev/TtyControl.h"
#include "platform/sys/TimingProfile.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
SerialDevice::Opener& CustomOpener() {
  static SerialDevice::Opener opener;
  return opener;
}

// A device that is not a terminal cannot carry a serial line.
bool IsTerminal(int fd) {
  int bytes = 0;
  return ioctl(fd, FIONREAD, &bytes) == 0 && isatty(fd);
}
} // namespace

class OpenedDevice : public SerialDevice {
public:
  OpenedDevice(int fd, QString path, SerialLockFile lock) : SerialDevice(fd, std::move(path), std::move(lock)) {
    StartWatching();
  }
};

std::unique_ptr<SerialDevice> SerialDevice::Open(const QString& path, int& error) {
  if (CustomOpener()) return CustomOpener()(path, error);
  SerialLockFile lock(path);
  const int fd = OpenExclusive(path, error, lock);
  return fd < 0 ? nullptr : std::make_unique<OpenedDevice>(fd, path, std::move(lock));
}

namespace {
// Opens path without changing its line: the descriptor, or -1 with error set. A device
// another program has locked, by lock file, flock or TIOCEXCL, is in use (5).
int OpenUntouched(const QString& path, int& error) {
  error = 0;
  if (SerialLockFile::HeldByOther(path)) {
    error = 5;
    return -1;
  }
  const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = SystemErrorFromErrno(errno);
    return -1;
  }
  // flock keeps out other programs even where TIOCEXCL does not (it does not bind root).
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) error = 5;
  else if (!IsTerminal(fd)) error = 2;
  if (error == 0) return fd;
  ::close(fd);
  return -1;
}
} // namespace

int SerialDevice::Probe(const QString& path) {
  int error = 0;
  const int fd = OpenUntouched(path, error);
  if (fd >= 0) ::close(fd);
  return error;
}

int SerialDevice::OpenExclusive(const QString& path, int& error, SerialLockFile& lock) {
  const int fd = OpenUntouched(path, error);
  if (fd < 0) return -1;
  if ((error = lock.Take()) != 0) {
    ::close(fd);
    return -1;
  }
  ioctl(fd, TIOCEXCL);
  if (int e = TtyControl::MakeRaw(fd)) {
    error = SystemErrorFromErrno(e);
    ::close(fd);
    lock.Release();
    return -1;
  }
  return fd;
}

std::unique_ptr<SerialDevice> SerialDevice::Adopt(int fd, int& error) {
  error = 0;
  if (fd < 0 || !IsTerminal(fd)) {
    error = 6;
    return nullptr;
  }
  const int flags = fcntl(fd, F_GETFL);
  fcntl(fd, F_SETFL, flags | O_NONBLOCK);
  return std::make_unique<OpenedDevice>(fd, QString(), SerialLockFile());
}

void SerialDevice::SetOpener(Opener opener) { CustomOpener() = std::move(opener); }

SerialDevice::SerialDevice(int fd, QString path, SerialLockFile lock)
    : fd_(fd), path_(std::move(path)), lock_(std::move(lock)) {}

SerialDevice::~SerialDevice() {
  watcher_.reset();
  if (fd_ >= 0) {
    tcflush(fd_, TCIOFLUSH);
    ::close(fd_);
  }
  lock_.Release();
}

void SerialDevice::StartWatching() {
  Counters probe;
  if (ReadCounters(probe)) watcher_ = std::make_unique<ModemLineWatcher>(fd_);
  Sample();
}

int SerialDevice::Read(char* buffer, int n) {
  if (hungUp_) return 0;
  const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(n));
  if (got >= 0) return static_cast<int>(got);
  return (errno == EAGAIN || errno == EINTR) ? 0 : -SystemErrorFromErrno(errno);
}

int SerialDevice::Write(const char* bytes, int n) {
  const ssize_t put = ::write(fd_, bytes, static_cast<size_t>(n));
  if (put >= 0) return static_cast<int>(put);
  return (errno == EAGAIN || errno == EINTR) ? 0 : -SystemErrorFromErrno(errno);
}

bool SerialDevice::WaitWritable(int wakeFd) {
  // While output is held for CTS/DSR only the lines matter; they are looked at again after
  // a short while.
  const bool held = !OutputAllowed();
  pollfd fds[2] = {{wakeFd, POLLIN, 0}, {held ? -1 : fd_, POLLOUT, 0}};
  const int timeout = held ? TimingMs("serial.lineSampleMs", 10) : -1;
  while (poll(fds, 2, timeout) < 0 && errno == EINTR) {
  }
  return !(fds[0].revents & POLLIN);
}

int SerialDevice::InputCount() {
  int bytes = 0;
  return ioctl(fd_, FIONREAD, &bytes) == 0 ? bytes : 0;
}

bool SerialDevice::WaitInput(int us) {
  if (hungUp_) return false;
  pollfd p{fd_, POLLIN, 0};
  const timespec wait{us / 1000000, (us % 1000000) * 1000L};
  return ppoll(&p, 1, &wait, nullptr) > 0 && (p.revents & POLLIN) && !(p.revents & (POLLHUP | POLLERR));
}

int SerialDevice::Purge(bool input, bool output) {
  const int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
  return tcflush(fd_, which) == 0 ? 0 : -SystemErrorFromErrno(errno);
}

int SerialDevice::GetLine(SerialLineSettings& line) {
  const int e = TtyControl::GetLine(fd_, line);
  return e ? -SystemErrorFromErrno(e) : 0;
}

int SerialDevice::SetLine(const SerialLineSettings& line) {
  std::lock_guard lock(mutex_);
  const int e = TtyControl::SetLine(fd_, line, flow_);
  if (e == -1) return kRateRefused;
  return e ? -SystemErrorFromErrno(e) : 0;
}

int SerialDevice::SetFlow(const SerialFlowSettings& flow) {
  std::lock_guard lock(mutex_);
  SerialLineSettings line;
  if (int e = TtyControl::GetLine(fd_, line)) return -SystemErrorFromErrno(e);
  const int e = TtyControl::SetLine(fd_, line, flow);
  if (e > 0) return -SystemErrorFromErrno(e);
  flow_ = flow;
  if (!flow_.RtsHandshake && !flow_.DtrHandshake) held_ = false;
  return 0;
}

int SerialDevice::SetLineBit(int bit, bool on) {
  if (!HasModemLines()) return 0; // a pseudo-terminal has no lines to drive
  return ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0 ? 0 : -SystemErrorFromErrno(errno);
}

int SerialDevice::SetRts(bool on) { return SetLineBit(TIOCM_RTS, on); }
int SerialDevice::SetDtr(bool on) { return SetLineBit(TIOCM_DTR, on); }

bool SerialDevice::ReadCounters(Counters& c) {
  serial_icounter_struct ic{};
  if (ioctl(fd_, TIOCGICOUNT, &ic) != 0) return false;
  c = {ic.cts, ic.dsr, ic.rng, ic.dcd, ic.frame, ic.overrun, ic.parity, ic.brk, ic.buf_overrun};
  return true;
}

bool SerialDevice::ReadModemBits(int& bits) {
  int lines = 0;
  if (ioctl(fd_, TIOCMGET, &lines) != 0) return false;
  const int cts = LineCts, dsr = LineDsr, ring = LineRing, dcd = LineDcd;
  bits = ((lines & TIOCM_CTS) ? cts : 0) | ((lines & TIOCM_DSR) ? dsr : 0) |
         ((lines & TIOCM_RNG) ? ring : 0) | ((lines & TIOCM_CD) ? dcd : 0);
  return true;
}

int SerialDevice::NotifyFd() const { return watcher_ ? watcher_->Fd() : -1; }

void SerialDevice::DrainNotify() {
  if (watcher_) watcher_->Drain();
}

bool SerialDevice::HasModemLines() {
  std::lock_guard lock(mutex_);
  if (modemKnown_ < 0) {
    int bits = 0;
    modemKnown_ = ReadModemBits(bits) ? 1 : 0;
  }
  return modemKnown_ == 1;
}

int SerialDevice::ModemStatus() {
  int bits = 0;
  return HasModemLines() && ReadModemBits(bits) ? bits : 0;
}

uint32_t SerialDevice::Sample() {
  std::lock_guard lock(mutex_);
  uint32_t events = 0;
  Counters now;
  if (hasCounters_ != 0 && ReadCounters(now)) {
    hasCounters_ = 1;
    if (countersKnown_) {
      uint32_t errors = 0;
      if (now.bufOverrun != last_.bufOverrun) errors |= ErrRxOver;
      if (now.overrun != last_.overrun) errors |= ErrOverrun;
      if (now.parity != last_.parity) errors |= ErrParity;
      if (now.frame != last_.frame) errors |= ErrFrame;
      if (now.brk != last_.brk) errors |= ErrBreak;
      if (errors & ErrBreak) events |= EvBreak;
      if (errors & ~ErrBreak) events |= EvErr;
      pendingErrors_ |= errors;
      if (now.rng != last_.rng) events |= EvRing;
    }
    last_ = now;
    countersKnown_ = true;
  } else if (hasCounters_ < 0) {
    hasCounters_ = 0;
  }
  if (HasModemLines()) {
    int bits = 0;
    if (ReadModemBits(bits)) {
      const int changed = bits ^ lastModem_;
      if (changed & LineCts) events |= EvCts;
      if (changed & LineDsr) events |= EvDsr;
      if (changed & LineDcd) events |= EvRlsd;
      if ((changed & LineRing) && !(bits & LineRing)) events |= EvRing;
      lastModem_ = bits;
    }
  }
  return events;
}

uint32_t SerialDevice::TakeErrors() {
  Sample();
  std::lock_guard lock(mutex_);
  const uint32_t errors = pendingErrors_;
  pendingErrors_ = 0;
  return errors;
}

bool SerialDevice::HungUp() const { return hungUp_; }

uint32_t SerialDevice::WaitEvent(int cancelFd, bool wantInput) {
  for (;;) {
    pollfd fds[3] = {{cancelFd, POLLIN, 0}, {NotifyFd(), POLLIN, 0}, {-1, POLLIN, 0}};
    if (!hungUp_) fds[2].fd = fd_;
    if (!wantInput) fds[2].events = 0; // still reports a hang-up
    // Lines that exist but cannot be waited for are looked at every few milliseconds: with
    // no watcher, or once the watcher has found that the driver cannot wait for them.
    const bool waitable = watcher_ ? !watcher_->Ended() : NotifyFd() >= 0;
    const bool sampleLines = !waitable && HasModemLines();
    const int timeout = sampleLines ? TimingMs("serial.lineSampleMs", 10) : -1;
    if (poll(fds, 3, timeout) < 0 && errno != EINTR) return 0;
    if (fds[0].revents & POLLIN) return 0;
    uint32_t events = 0;
    if (fds[1].revents & POLLIN) DrainNotify();
    if (fds[2].revents & (POLLHUP | POLLERR)) {
      // The far end has gone. A UART sees a dropped line as framing errors and a break;
      // report it once that way, then stop watching the dead descriptor.
      hungUp_ = true;
      std::lock_guard lock(mutex_);
      pendingErrors_ |= ErrFrame | ErrBreak;
      events |= EvErr | EvBreak | EvRxChar;
    } else if (fds[2].revents & POLLIN) {
      events |= EvRxChar;
    }
    events |= Sample();
    if (events) return events;
  }
}

int SerialDevice::ApplyHandshakeLine(bool hold) {
  int result = 0;
  if (flow_.RtsHandshake) result = SetRts(!hold);
  if (flow_.DtrHandshake) result = SetDtr(!hold);
  return result;
}

void SerialDevice::CheckInputFlow(int queued) {
  std::lock_guard lock(mutex_);
  if (!flow_.RtsHandshake && !flow_.DtrHandshake) return;
  if (queued < 0) queued = InputCount();
  if (!held_ && queued > flow_.HoldAbove) {
    held_ = true;
    ApplyHandshakeLine(true);
  } else if (held_ && queued <= flow_.ReleaseAt) {
    held_ = false;
    ApplyHandshakeLine(false);
  }
}

SerialFlowSettings SerialDevice::Flow() {
  std::lock_guard lock(mutex_);
  return flow_;
}

// Called by the writer while another thread may change the flow settings.
bool SerialDevice::OutputAllowed() {
  const SerialFlowSettings flow = Flow();
  if (!flow.OutxCts && !flow.OutxDsr) return true;
  if (!HasModemLines()) return true;
  const int lines = ModemStatus();
  if (flow.OutxCts && !(lines & LineCts)) return false;
  if (flow.OutxDsr && !(lines & LineDsr)) return false;
  return true;
}
