#include "crs-sim/SimLine.h"

#include "crs-sim/SimErrors.h"

#include <QString>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <unistd.h>

namespace {
void SetNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }
QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }
} // namespace

qint64 SimLine::SteadyNs() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

SimLine::SimLine(int fd, Handler handler, qint64 epochNs)
    : fd_(fd), handler_(std::move(handler)), startNs_(epochNs) {
  if (pipe(wake_) != 0) throw SimLineError(QStringLiteral("Cannot make a wake-up pipe: ") + ErrnoText());
  SetNonBlocking(wake_[0]);
  SetNonBlocking(wake_[1]);
  SetNonBlocking(fd_);
}

SimLine::~SimLine() {
  close(wake_[0]);
  close(wake_[1]);
}

qint64 SimLine::NowNs() const { return SteadyNs() - startNs_; }

qint64 SimLine::NowUs() const { return NowNs() / 1000; }

qint64 SimLine::ByteNs() const {
  const int baud = baud_.load();
  return baud > 0 ? qint64(10) * 1000000000 / baud : 0;
}

void SimLine::Stop() {
  stop_.store(true);
  const char c = 0;
  [[maybe_unused]] const ssize_t n = write(wake_[1], &c, 1);
}

void SimLine::Queue(int id, const QByteArray& bytes) {
  const qint64 now = NowNs();
  if (out_.empty() && nextByteNs_ < now) nextByteNs_ = now; // an idle line starts at once
  out_.push_back({id, bytes});
}

void SimLine::ArmTimer(int ms) { timerDueNs_ = NowNs() + qint64(ms) * 1000000; }

void SimLine::Run() {
  while (!stop_.load()) {
    if (!WriteDue(NowNs())) return;
    const qint64 now = NowNs();
    const qint64 wake = NextWakeNs(now);
    pollfd fds[2] = {{fd_, short(POLLIN | (blocked_ ? POLLOUT : 0)), 0}, {wake_[0], POLLIN, 0}};
    timespec timeout{};
    const qint64 wait = std::max<qint64>(0, wake - now);
    timeout.tv_sec = time_t(wait / 1000000000);
    timeout.tv_nsec = long(wait % 1000000000);
    const int n = ppoll(fds, 2, wake == std::numeric_limits<qint64>::max() ? nullptr : &timeout, nullptr);
    if (n < 0 && errno != EINTR) {
      handler_.closed(QStringLiteral("poll failed: ") + ErrnoText());
      return;
    }
    if (n > 0 && (fds[1].revents & POLLIN)) {
      char drain[64];
      while (read(wake_[0], drain, sizeof drain) > 0) {}
    }
    if (n > 0 && (fds[0].revents & POLLNVAL)) {
      handler_.closed(QStringLiteral("the line's descriptor was closed"));
      return;
    }
    if (n > 0 && (fds[0].revents & POLLOUT)) blocked_ = false;
    if (n > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) && !ReadAll(NowNs())) return;
    if (timerDueNs_ >= 0 && NowNs() >= timerDueNs_) {
      timerDueNs_ = -1;
      handler_.timer(NowUs());
    }
  }
}

qint64 SimLine::NextWakeNs(qint64 now) const {
  qint64 wake = std::numeric_limits<qint64>::max();
  if (!out_.empty() && !blocked_) wake = ByteNs() > 0 ? nextByteNs_ : now;
  if (timerDueNs_ >= 0) wake = std::min(wake, timerDueNs_);
  return wake;
}

// Reads what is there; false when the line has closed.
bool SimLine::ReadAll(qint64 nowNs) {
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd_, buffer, sizeof buffer);
    if (n > 0) {
      handler_.received(QByteArray(buffer, n), nowNs / 1000);
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
    if (n < 0 && errno == EINTR) continue;
    handler_.closed(n == 0 ? QStringLiteral("the line was closed") : QStringLiteral("read failed: ") + ErrnoText());
    return false;
  }
}

// Writes the bytes that are due; false when the line has failed.
bool SimLine::WriteDue(qint64 nowNs) {
  const qint64 byteNs = ByteNs();
  while (!out_.empty() && !blocked_) {
    Pending& p = out_.front();
    qsizetype count = p.bytes.size() - p.done;
    if (byteNs > 0) {
      if (nowNs < nextByteNs_) return true;
      // Bytes whose deadline has passed go together, so a late wake-up does not slow the line.
      count = std::min<qsizetype>(count, 1 + (nowNs - nextByteNs_) / byteNs);
    }
    const ssize_t n = write(fd_, p.bytes.constData() + p.done, size_t(count));
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      blocked_ = true;
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      handler_.closed(QStringLiteral("write failed: ") + ErrnoText());
      return false;
    }
    if (p.firstNs < 0) p.firstNs = nowNs;
    p.done += n;
    nextByteNs_ += n * byteNs;
    if (p.done == p.bytes.size()) {
      handler_.written(p.id, p.firstNs / 1000, nowNs / 1000);
      out_.pop_front();
    }
  }
  return true;
}
