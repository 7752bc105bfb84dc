#pragma once
// An event the dispatcher's threads signal each other with, as a descriptor so that a
// thread can wait for it and for a device in one poll(). Auto-reset events are cleared by
// the wait that sees them; manual-reset ones only by Reset().
#include <initializer_list>

class SclEvent {
public:
  explicit SclEvent(bool manualReset = false);
  ~SclEvent();
  SclEvent(const SclEvent&) = delete;
  SclEvent& operator=(const SclEvent&) = delete;

  int Fd() const { return fd_; }
  void Set();
  void Reset();
  bool IsSet() const;
  // Waits up to ms (negative: no limit); true when the event was set.
  bool Wait(int ms);
  // Waits for the first of several events; its index, or -1 when ms passed.
  static int WaitAny(std::initializer_list<SclEvent*> events, int ms);

private:
  int fd_;
  bool manual_;
};
