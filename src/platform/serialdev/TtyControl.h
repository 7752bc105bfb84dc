#pragma once
// The terminal settings of a serial device: raw mode, rate, framing and XON/XOFF. The rate is
// set through the kernel's free-rate interface, so 14400 or 56000 work like 9600.
#include "platform/serialdev/SerialSettings.h"

namespace TtyControl {
// Raw bytes, no modem control, receiver on, no parity check, reads that return at once.
// 0 or an errno value.
int MakeRaw(int fd);
// 0, an errno value, or -1 when the device refused the rate.
int SetLine(int fd, const SerialLineSettings& line, const SerialFlowSettings& flow);
int GetLine(int fd, SerialLineSettings& line);
// Flow as the terminal has it: XON/XOFF, and RTS/CTS handshaking when the driver does it.
int GetFlow(int fd, SerialFlowSettings& flow);
} // namespace TtyControl
