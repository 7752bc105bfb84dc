#include "comm/crs/CommTurn.h"

#include <QList>

namespace {
int turnsOnStack = 0;
QList<QPointer<QTimer>> deferred;
QTimer* resume = nullptr; // fires the deferred timers from the event loop

void FireDeferred() {
  const QList<QPointer<QTimer>> timers = std::exchange(deferred, {});
  for (const QPointer<QTimer>& timer : timers)
    if (timer && !timer->isActive()) timer->start(0);
}
} // namespace

CommTurn::CommTurn() { ++turnsOnStack; }

CommTurn::~CommTurn() {
  if (--turnsOnStack > 0 || deferred.isEmpty()) return;
  if (!resume) {
    resume = new QTimer;
    resume->setSingleShot(true);
    QObject::connect(resume, &QTimer::timeout, &FireDeferred);
  }
  resume->start(0);
}

bool CommTurn::Taken() { return turnsOnStack > 0; }

void CommTurn::Defer(QTimer& timer) {
  timer.stop();
  if (!deferred.contains(&timer)) deferred.append(&timer);
}
