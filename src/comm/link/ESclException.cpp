#include "comm/link/ESclException.h"

#include "comm/link/SclErrorTable.h"
#include "comm/link/SclStrings.h"
#include "comm/link/TSclBaseComponent.h"

ESclException::ESclException(int code) : Exception(ErrorText(code)), code_(code) {}
ESclException::ESclException(const QString& message) : Exception(message), code_(0) {}
ESclException::ESclException(int code, const QString& message) : Exception(message), code_(code) {}

void RaiseSclError(int code) {
  if (const SclErrorRow* row = FindSclError(code); code < 0 && row && row->raise && !row->direct)
    row->raise(row->code, row->className);
  if (code == -8) throw EOutOfMemory();
  if (code <= -2 && code >= -162) throw EIoError(-code, ErrorText(code));
  throw ESclException(QStringLiteral("Scomm exception"));
}

int CheckResult(const TSclBaseComponent* component, int code) {
  if (code >= 0 || (component && component->IsLoading())) return code;
  RaiseSclError(code);
}
