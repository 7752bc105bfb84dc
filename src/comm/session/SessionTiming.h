#pragma once
// The intervals of the communication window and its session, read through the timing
// profile by name ("session.<name>"), with the system's own values as defaults. Tests
// scale them down.
namespace SessionTiming {
enum Interval {
  SwitchSettle,      // between the two commands of a line-sharing switch (1500 ms)
  NoActivity,        // the no-activity watchdog's look at the progress (60000 ms)
  NoActivityCancel,  // the watchdog's look once the user cancelled (5000 ms)
  NoActivityPause,   // each of the two pauses before a stalled session is failed (2000 ms)
  NoActivityClose,   // from the failure to the closing of a stalled session's window (30000 ms)
  LogonRetryPause,   // after a failed logon, before the retry is shown (1000 ms)
  ActionRetryPause,  // after a failed action, before it runs again on the same line (3000 ms)
  CancelPause,       // after a cancelled action, before the machine's next job (2000 ms)
  EndPause,          // after a session's line is closed, before its port is free (1000 ms)
  DeviceBusyWait,    // before a device in use by another session is tried again (20000 ms)
};

constexpr int IntervalCount = DeviceBusyWait + 1;
// Busy waits a session allows before its job fails.
constexpr int MaxBusyWaits = 5;

int Ms(Interval interval);
const char* Name(Interval interval);
int DefaultMs(Interval interval);
} // namespace SessionTiming
