#pragma once
// What the About box says of the machine: the operating system's name and version, and
// the physical memory.
#include <QString>

namespace SystemInfo {
// "<name> (<kernel> <kernel version>)", e.g. "Debian GNU/Linux 12 (bookworm) (linux 6.1.0)".
QString OperatingSystemLine();
QString OperatingSystemLine(const QString& name, const QString& kernel, const QString& kernelVersion);
// The total physical memory in KB (bytes / 1024), 0 when the system does not say.
qint64 PhysicalMemoryKB();
// The amount with thousands separators and " KB": 16384000 gives "16,384,000 KB".
QString MemoryText(qint64 kb);
} // namespace SystemInfo
