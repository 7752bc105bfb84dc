#include "store/odb/OdbErrors.h"

#include <atomic>

namespace {
std::atomic<TOdbErrorProc> errorProc{nullptr};
}

void OdbErrorDefault(const TOdbExceptionClass& cls, const QString& text) {
  if (text.isEmpty()) cls.raise(cls.name);
  cls.raise(cls.name + QStringLiteral(".\r") + text);
  throw Exception(cls.name); // not reached: raise always throws
}

TOdbErrorProc SetOdbErrorProc(TOdbErrorProc proc) { return errorProc.exchange(proc); }

void RaiseOdbError(const TOdbExceptionClass& cls, const QString& text) {
  if (TOdbErrorProc proc = errorProc.load()) proc(cls, text);
  OdbErrorDefault(cls, text);
}
