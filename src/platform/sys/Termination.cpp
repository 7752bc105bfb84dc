#include "platform/sys/Termination.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {
struct State {
  bool requested = false;
  std::function<void()> hook;
};

State& Current() {
  static State state;
  return state;
}

// Queued, so that a request made before the event loop runs ends it as soon as it starts.
void ExitWhenLoopRuns() {
  if (QCoreApplication* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}
} // namespace

void RequestTermination() {
  State& state = Current();
  state.requested = true;
  if (state.hook) state.hook();
  else ExitWhenLoopRuns();
}

bool TerminationRequested() { return Current().requested; }

void SetTerminationHook(std::function<void()> hook) { Current().hook = std::move(hook); }

void ResetTermination() { Current().requested = false; }
