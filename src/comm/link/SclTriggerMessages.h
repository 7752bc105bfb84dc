#pragma once
// The notifications a dispatcher delivers and the two kinds of receiver. Every message
// carries (message, short parameter, long parameter); the long parameter's high 16 bits hold
// the dispatcher's handle, so a receiver can find the dispatcher by handle alone.
#include <cstdint>

class QObject;

inline constexpr uint32_t kSclTriggerAvail = 0x7E01;  // bytes available; low word 0
inline constexpr uint32_t kSclTriggerData = 0x7E02;   // never sent in this system
inline constexpr uint32_t kSclTriggerTimer = 0x7E03;  // trigger handle; low word 0
inline constexpr uint32_t kSclTriggerStatus = 0x7E04; // trigger handle; low word the measure
inline constexpr uint32_t kSclPortOpen = 0x7E08;
inline constexpr uint32_t kSclPortClosing = 0x7E09;
inline constexpr uint32_t kSclPortClosePending = 0x7E0A;

// Called directly on the dispatcher's thread.
class TSclMethodHandler {
public:
  virtual ~TSclMethodHandler() = default;
  virtual void TriggerMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) = 0;
};

// A window: the notification is handed to the thread of WindowObject() and waited for, at
// most the window bound (3000 ms) until it starts.
class TSclWindowHandler {
public:
  virtual ~TSclWindowHandler() = default;
  virtual QObject* WindowObject() = 0;
  virtual uint32_t WindowHandle() const = 0;
  virtual void WindowMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) = 0;
};
