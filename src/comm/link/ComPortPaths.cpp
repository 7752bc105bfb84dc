#include "comm/link/ComPortPaths.h"

#include "platform/serialdev/SerialDevice.h"
#include "platform/sys/Exception.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

QString ComPortName(int number) { return QStringLiteral("COM%1").arg(number); }

QString ComPortDevicePath(int number) {
  const QString fallback = QStringLiteral("/dev/ttyS%1").arg(number - 1);
  try {
    const auto settings = OpenSettingsFile(QStringLiteral("ComPorts"));
    const QString path = settings->ReadString(ComPortName(number), fallback).trimmed();
    return path.isEmpty() ? fallback : path;
  } catch (const Exception&) {
    return fallback; // an unreadable settings file leaves the ports at their defaults
  }
}

bool PortIsUsable(int number) {
  if (number <= 0) return false;
  const int error = SerialDevice::Probe(ComPortDevicePath(number));
  return error == 0 || error == 5;
}
