#include "comm/jobs/HisStatus.h"

namespace HisStatus {
QString StatusText(qint32 code) {
  switch (code) {
  case Logon: return QStringLiteral("Logon");
  case Polling: return QStringLiteral("Polling");
  case UserCancel: return QStringLiteral("User Cancel");
  case Failed: return QStringLiteral("Failed");
  case Pending: return QStringLiteral("Pending");
  case Active: return QStringLiteral("Active");
  case Busy: return QStringLiteral("Busy");
  case Successful: return QStringLiteral("Successful");
  case Retry: return QStringLiteral("Retry");
  case DeviceBusy: return QStringLiteral("Device Busy");
  case PhoneBusy: return QStringLiteral("Phone Busy");
  case LogonSuccessful: return QStringLiteral("Logon Successful");
  case SuccessWithRetry: return QStringLiteral("Success With Retry");
  default: return QStringLiteral("Undefined");
  }
}

bool IsPendingStatus(qint32 code) { return code == Pending || code == Active || code == Retry; }
} // namespace HisStatus
