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
};

constexpr int IntervalCount = NoActivityClose + 1;

int Ms(Interval interval);
const char* Name(Interval interval);
int DefaultMs(Interval interval);
} // namespace SessionTiming
