#pragma once
// The codes of a job's outcome (Status) and of the phase it reached (State), with their
// texts. The values are stored with every job: never change them. Code 9 is not used.
#include <QString>

namespace HisStatus {
enum Code : qint32 {
  Logon = 1,
  Polling = 2,
  UserCancel = 3,
  Failed = 4,
  Pending = 5,
  Active = 6,
  Busy = 7,
  Successful = 8,
  Retry = 10,
  DeviceBusy = 11,
  PhoneBusy = 12,
  LogonSuccessful = 13,
  SuccessWithRetry = 14
};

// The code's text; "Undefined" for any other value.
QString StatusText(qint32 code);
// A job with this status waits in "Pending" (Pending, Active or Retry); any other status
// belongs in "History".
bool IsPendingStatus(qint32 code);
} // namespace HisStatus

// The completion codes a job's callback gets.
namespace JobCallback {
constexpr int Success = 2;
constexpr int Failure = 4;
} // namespace JobCallback
