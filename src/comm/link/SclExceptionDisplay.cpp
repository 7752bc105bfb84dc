#include "comm/link/SclExceptionDisplay.h"

#include "platform/sys/Exception.h"

#include <QDebug>
#include <QMutex>

namespace {
QMutex& Lock() {
  static QMutex lock;
  return lock;
}
std::function<void(const QString&)>& Display() {
  static std::function<void(const QString&)> display;
  return display;
}
} // namespace

void SetSclExceptionDisplay(std::function<void(const QString& message)> display) {
  QMutexLocker lock(&Lock());
  Display() = std::move(display);
}

void SclShowException(const std::exception& e) {
  const QString message = ExceptionMessage(e);
  std::function<void(const QString&)> display;
  {
    QMutexLocker lock(&Lock());
    display = Display();
  }
  if (display) display(message);
  else qWarning().noquote() << "serial library:" << message;
}
