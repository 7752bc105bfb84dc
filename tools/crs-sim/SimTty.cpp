#include "crs-sim/SimTty.h"

#include "crs-sim/SimErrors.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace SimTty {

namespace {
constexpr std::array<std::pair<int, speed_t>, 10> kSpeeds{{{1200, B1200}, {2400, B2400}, {4800, B4800},
                                                           {9600, B9600}, {19200, B19200}, {38400, B38400},
                                                           {57600, B57600}, {115200, B115200},
                                                           {230400, B230400}, {300, B300}}};

[[noreturn]] void Fail(const QString& what) {
  throw SimLineError(what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

void MakeRaw(int fd, int baud) {
  termios tio{};
  if (!isatty(fd) || tcgetattr(fd, &tio) != 0) return;
  cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  for (const auto& [rate, speed] : kSpeeds)
    if (rate == baud) cfsetspeed(&tio, speed);
  tcsetattr(fd, TCSANOW, &tio);
}

int OpenDevice(const QString& path, int baud) {
  const int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) Fail(QStringLiteral("Cannot open %1").arg(path));
  MakeRaw(fd, baud);
  return fd;
}

Pty OpenPty() {
  Pty pty;
  pty.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.master < 0) Fail(QStringLiteral("Cannot make a pseudo-terminal"));
  char name[256] = {};
  if (grantpt(pty.master) != 0 || unlockpt(pty.master) != 0 || ptsname_r(pty.master, name, sizeof name) != 0) {
    const int saved = errno;
    close(pty.master);
    errno = saved;
    Fail(QStringLiteral("Cannot set up a pseudo-terminal"));
  }
  pty.slavePath = QString::fromLocal8Bit(name);
  pty.slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.slave < 0) {
    const int saved = errno;
    close(pty.master);
    errno = saved;
    Fail(QStringLiteral("Cannot open %1").arg(pty.slavePath));
  }
  MakeRaw(pty.slave, 0);
  return pty;
}

} // namespace SimTty
