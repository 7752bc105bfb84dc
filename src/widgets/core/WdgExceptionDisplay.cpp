#include "widgets/core/WdgExceptionDisplay.h"

#include "platform/sys/Exception.h"

#include <QDebug>
#include <stdexcept>

namespace {
std::function<void(const QString&)>& Display() {
  static std::function<void(const QString&)> display;
  return display;
}
} // namespace

void SetWdgExceptionDisplay(std::function<void(const QString& message)> display) {
  Display() = std::move(display);
}

void WdgShowException(const std::exception& e) {
  const QString message = ExceptionMessage(e);
  if (Display())
    Display()(message);
  else
    qWarning().noquote() << "Widget event handler failed:" << message;
}

void WdgRunGuarded(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    WdgShowException(e);
  } catch (...) {
    WdgShowException(std::runtime_error("unknown exception"));
  }
}
