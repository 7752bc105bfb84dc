#pragma once
// A profile file that cannot be written, or a name or value that cannot be stored in one.
#include "platform/sys/Exception.h"

class EProfileError : public Exception {
public:
  // systemError: the operating system's error number of the failed call, 0 when none.
  explicit EProfileError(QString message, int systemError = 0)
      : Exception(std::move(message)), systemError_(systemError) {}
  const char* ClassName() const noexcept override { return "EProfileError"; }
  int SystemError() const noexcept { return systemError_; }

private:
  int systemError_;
};
