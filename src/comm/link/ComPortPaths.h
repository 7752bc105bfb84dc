#pragma once
// The system names serial ports "COM1" to "COM50". The settings section "ComPorts" maps each
// name to a device ("COM1" = "/dev/ttyS0"); a port without an entry is /dev/ttyS{n-1}. USB
// adapters and pseudo-terminals are used by configuring their paths there.
#include <QString>

inline constexpr int kSclHighestPort = 50;

QString ComPortName(int number);
QString ComPortDevicePath(int number);
// True when the port can be opened now, or exists but another program holds it. Looking
// never waits for a carrier, and never changes or flushes the line of a port in use.
bool PortIsUsable(int number);
