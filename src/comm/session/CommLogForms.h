#pragma once
// The windows of the communication log that the rest of the system asks for.
#include <QString>

// "View Comm Log": browses the log, shows a row's progress text and exports it.
struct ViewCommLogRequest {
  static constexpr const char* kForm = "TfrmViewComLog";
};
