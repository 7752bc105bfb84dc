#include "SimLineDriver.h"

#include <chrono>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {
void Raw(int fd) {
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
}
} // namespace

SimLineDriver::SimLineDriver() {
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  Raw(master_);
  Raw(slave_);
}

SimLineDriver::~SimLineDriver() {
  CloseSystemEnd();
  close(master_);
}

void SimLineDriver::CloseSystemEnd() {
  if (slave_ >= 0) close(slave_);
  slave_ = -1;
}

qint64 SimLineDriver::NowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SimLineDriver::Send(const QByteArray& bytes) {
  if (write(slave_, bytes.constData(), size_t(bytes.size())) != bytes.size()) throw std::runtime_error("short write");
}

int SimLineDriver::Byte(qint64 deadlineUs) {
  for (;;) {
    const qint64 left = deadlineUs - NowUs();
    if (left <= 0) return -1;
    pollfd p{slave_, POLLIN, 0};
    if (poll(&p, 1, int((left + 999) / 1000)) <= 0) continue;
    unsigned char c = 0;
    if (read(slave_, &c, 1) == 1) return c;
  }
}

QByteArray SimLineDriver::Frame(int timeoutMs) {
  const qint64 deadline = NowUs() + qint64(timeoutMs) * 1000;
  QByteArray frame;
  auto take = [&]() {
    const int c = Byte(deadline);
    if (c < 0) return false;
    if (frame.isEmpty()) firstUs_ = NowUs();
    lastUs_ = NowUs();
    frame.append(char(c));
    return true;
  };
  if (!take() || !take()) return {};
  if (frame[1] != 0x02) return frame; // DLE ACK, DLE NAK, DLE EOT
  for (bool dle = false;;) {
    if (!take()) return {};
    const char c = frame.back();
    if (dle && c == 0x03) break;
    dle = !dle && c == 0x10;
  }
  if (!take() || !take()) return {};
  return frame;
}

bool SimLineDriver::Quiet(int ms) {
  pollfd p{slave_, POLLIN, 0};
  return poll(&p, 1, ms) == 0;
}
