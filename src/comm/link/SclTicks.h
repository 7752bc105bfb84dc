#pragma once
// The serial library's time unit, the tick: 55 ms of the system's monotonic clock
// (Clock::Current(), so tests move it by hand), counted in signed 32-bit milliseconds as the
// library always has, wrap included.
#include <cstdint>

// The longest interval a tick timer can hold (the largest millisecond count / 55).
inline constexpr int32_t kSclMaxTicks = 39045157;
// The value PumpOneMessage and WaitTicks return when a request to quit arrived.
inline constexpr int kSclQuitMessage = 18;

struct TTickTimer {
  int32_t StartTick = 0;
  int32_t ExpireTick = 0;
};

int32_t SecondsToTicks(int32_t seconds);
int32_t CurrentTick();
void ArmTickTimer(TTickTimer& timer, int32_t ticks);
// Ticks since the timer was armed, counted across the jump of the tick count at the wrap.
int32_t TickTimerElapsed(const TTickTimer& timer);
bool TickTimerDue(const TTickTimer& timer);

// Processes the calling thread's pending events once: kSclQuitMessage when the program was
// asked to quit meanwhile (the request still ends its main loop), else 0.
int PumpOneMessage();
// Waits ticks, processing events meanwhile when asked; returns at once below one tick.
// A request to quit ends the wait early (kSclQuitMessage); otherwise 0.
int WaitTicks(int32_t ticks, bool processMessages);
