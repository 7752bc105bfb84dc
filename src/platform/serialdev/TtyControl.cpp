#include "platform/serialdev/TtyControl.h"

#include <asm/termbits.h>
#include <cerrno>
#include <cstdlib>
#include <sys/ioctl.h>

namespace {
int Get(int fd, termios2& t) { return ioctl(fd, TCGETS2, &t) == 0 ? 0 : errno; }
int Put(int fd, const termios2& t) { return ioctl(fd, TCSETS2, &t) == 0 ? 0 : errno; }

tcflag_t SizeFlag(int dataBits) {
  switch (dataBits) {
  case 5: return CS5;
  case 6: return CS6;
  case 7: return CS7;
  default: return CS8;
  }
}

tcflag_t ParityFlags(int parity) {
  switch (parity) {
  case 1: return PARENB | PARODD;
  case 2: return PARENB;
  case 3: return PARENB | CMSPAR | PARODD;
  case 4: return PARENB | CMSPAR;
  default: return 0;
  }
}
} // namespace

int TtyControl::MakeRaw(int fd) {
  termios2 t{};
  if (int e = Get(fd, t)) return e;
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY |
                 INPCK | IGNPAR);
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~(CSIZE | PARENB | CRTSCTS | HUPCL);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  return Put(fd, t);
}

int TtyControl::SetLine(int fd, const SerialLineSettings& line, const SerialFlowSettings& flow) {
  termios2 t{};
  if (int e = Get(fd, t)) return e;
  t.c_cflag &= ~(CBAUD | CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  t.c_cflag |= BOTHER | SizeFlag(line.DataBits) | ParityFlags(line.Parity) | CLOCAL | CREAD;
  if (line.StopBits != 0) t.c_cflag |= CSTOPB;
  t.c_cflag &= ~(CIBAUD);
  t.c_ispeed = t.c_ospeed = static_cast<speed_t>(line.Baud);
  t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
  if (flow.XonTransmit) t.c_iflag |= IXON;
  if (flow.XonReceive) t.c_iflag |= IXOFF;
  t.c_cc[VSTART] = static_cast<cc_t>(flow.XonChar);
  t.c_cc[VSTOP] = static_cast<cc_t>(flow.XoffChar);
  if (int e = Put(fd, t)) return e == EINVAL ? -1 : e;
  termios2 check{};
  if (int e = Get(fd, check)) return e;
  // A UART gives the nearest rate its clock can make; anything off by more than a few
  // percent would garble every byte, so it counts as refused.
  if (line.Baud <= 0 || std::abs(static_cast<long>(check.c_ospeed) - line.Baud) * 100 > 3L * line.Baud)
    return -1;
  return 0;
}

int TtyControl::GetLine(int fd, SerialLineSettings& line) {
  termios2 t{};
  if (int e = Get(fd, t)) return e;
  line.Baud = static_cast<int>(t.c_ospeed);
  switch (t.c_cflag & CSIZE) {
  case CS5: line.DataBits = 5; break;
  case CS6: line.DataBits = 6; break;
  case CS7: line.DataBits = 7; break;
  default: line.DataBits = 8; break;
  }
  if (!(t.c_cflag & PARENB)) line.Parity = 0;
  else if (t.c_cflag & CMSPAR) line.Parity = (t.c_cflag & PARODD) ? 3 : 4;
  else line.Parity = (t.c_cflag & PARODD) ? 1 : 2;
  line.StopBits = (t.c_cflag & CSTOPB) ? (line.DataBits == 5 ? 1 : 2) : 0;
  return 0;
}

int TtyControl::GetFlow(int fd, SerialFlowSettings& flow) {
  termios2 t{};
  if (int e = Get(fd, t)) return e;
  flow.RtsHandshake = flow.OutxCts = t.c_cflag & CRTSCTS;
  flow.XonTransmit = t.c_iflag & IXON;
  flow.XonReceive = t.c_iflag & IXOFF;
  flow.XonChar = static_cast<char>(t.c_cc[VSTART]);
  flow.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
  return 0;
}
