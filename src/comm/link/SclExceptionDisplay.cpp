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
  const auto* own = dynamic_cast<const Exception*>(&e);
  const QString message = own ? own->Message() : QString::fromLocal8Bit(e.what());
  std::function<void(const QString&)> display;
  {
    QMutexLocker lock(&Lock());
    display = Display();
  }
  if (display) display(message);
  else qWarning().noquote() << "serial library:" << message;
}
