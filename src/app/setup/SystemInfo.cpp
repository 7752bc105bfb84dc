#include "app/setup/SystemInfo.h"

#include <QSysInfo>
#include <unistd.h>

namespace SystemInfo {
QString OperatingSystemLine() {
  return OperatingSystemLine(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion());
}

QString OperatingSystemLine(const QString& name, const QString& kernel, const QString& kernelVersion) {
  const QString kernelText = (kernel + QLatin1Char(' ') + kernelVersion).trimmed();
  if (kernelText.isEmpty() || name.contains(kernelVersion)) return name;
  if (name.isEmpty()) return kernelText;
  return name + QStringLiteral(" (") + kernelText + QLatin1Char(')');
}

qint64 PhysicalMemoryKB() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<qint64>(pages) * pageSize / 1024;
}

QString MemoryText(qint64 kb) {
  QString digits = QString::number(kb);
  for (qsizetype at = digits.size() - 3; at > (digits.startsWith(QLatin1Char('-')) ? 1 : 0); at -= 3)
    digits.insert(at, QLatin1Char(','));
  return digits + QStringLiteral(" KB");
}
} // namespace SystemInfo
