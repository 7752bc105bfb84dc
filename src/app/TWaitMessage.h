#pragma once
// The wait window for the span of a slow piece of work on the GUI thread: shown with the
// text when made, closed when it goes away, also when the work failed. Without a wait
// window registered (no desktop) it shows nothing.
#include <QString>
#include <functional>

class TWaitMessage {
public:
  explicit TWaitMessage(const QString& text);
  ~TWaitMessage();
  TWaitMessage(const TWaitMessage&) = delete;
  TWaitMessage& operator=(const TWaitMessage&) = delete;

private:
  std::function<void()> close_;
};
