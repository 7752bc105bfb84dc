#include "platform/sys/PumpDelay.h"

#include "platform/sys/Clock.h"
#include "platform/sys/Termination.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
// The longest real wait between two looks at the clock: the clock may be one that moves
// only when told to, and a request to end must be noticed soon.
constexpr qint64 kSliceMs = 10;

bool Ending() { return TerminationRequested() || QCoreApplication::closingDown() || !QCoreApplication::instance(); }

// Runs the events of up to sliceMs of real time; false when something other than the
// slice's own timer ended the loop, which happens when the application is told to exit.
bool WaitSlice(qint64 sliceMs) {
  QEventLoop loop;
  bool sliceEnded = false;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
    sliceEnded = true;
    loop.quit();
  });
  timer.start(int(sliceMs));
  loop.exec();
  return sliceEnded;
}
} // namespace

bool PumpMessage() {
  if (Ending()) return true;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return Ending();
}

bool PumpDelay(qint64 milliseconds) {
  const qint64 start = Clock::Current().MonotonicMs();
  for (;;) {
    if (Ending()) return false;
    const qint64 remaining = milliseconds - (Clock::Current().MonotonicMs() - start);
    if (remaining <= 0) return true;
    if (!WaitSlice(qMin(remaining, kSliceMs))) return false;
  }
}
