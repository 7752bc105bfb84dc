#include "comm/link/SclHandOff.h"

#include "comm/link/SclExceptionDisplay.h"

#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {
enum class Stage { Queued, Running, Done, Withdrawn };

// The threads waiting for the calls this thread is running, innermost last.
thread_local std::vector<std::thread::id> waiters;

struct Shared {
  std::thread::id waiter = std::this_thread::get_id();
  std::mutex mutex;
  std::condition_variable changed;
  Stage stage = Stage::Queued;
  std::function<void()> call;
};

// Owned by the queued event: if Qt discards the event without running it (its target was
// destroyed), the waiter must not wait for it forever.
struct Ticket {
  std::shared_ptr<Shared> shared;
  Ticket() = default;
  Ticket(const Ticket&) = delete;
  Ticket& operator=(const Ticket&) = delete;
  ~Ticket() {
    if (!shared) return;
    std::lock_guard lock(shared->mutex);
    if (shared->stage == Stage::Queued) shared->stage = Stage::Withdrawn;
    shared->changed.notify_all();
  }
};

void RunGuarded(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    SclShowException(e);
  }
}

// Held while a ticket is posted and taken when it runs: the order that the event queue
// gives is then one that race checkers, blind to the queue's own locking, can see too.
std::mutex postMutex;

void RunTicket(const std::shared_ptr<Ticket>& ticket) {
  { std::lock_guard posted(postMutex); }
  Shared& s = *ticket->shared;
  {
    std::lock_guard lock(s.mutex);
    if (s.stage != Stage::Queued) return;
    s.stage = Stage::Running;
  }
  waiters.push_back(s.waiter);
  RunGuarded(s.call);
  waiters.pop_back();
  std::lock_guard lock(s.mutex);
  s.stage = Stage::Done;
  s.changed.notify_all();
}
} // namespace

bool SclHandOff(QObject* target, const std::function<void()>& call, int boundMs) {
  if (!target) return false;
  if (target->thread() == QThread::currentThread()) {
    RunGuarded(call);
    return true;
  }
  auto shared = std::make_shared<Shared>();
  shared->call = call;
  auto ticket = std::make_shared<Ticket>();
  ticket->shared = shared;
  {
    std::lock_guard posting(postMutex);
    QMetaObject::invokeMethod(target, [ticket] { RunTicket(ticket); }, Qt::QueuedConnection);
  }
  ticket.reset();
  std::unique_lock lock(shared->mutex);
  if (boundMs >= 0) {
    const bool started = shared->changed.wait_for(lock, std::chrono::milliseconds(boundMs),
                                                  [&] { return shared->stage != Stage::Queued; });
    if (!started) {
      shared->stage = Stage::Withdrawn;
      return false;
    }
  }
  shared->changed.wait(lock, [&] { return shared->stage == Stage::Done || shared->stage == Stage::Withdrawn; });
  return shared->stage == Stage::Done;
}

bool SclInHandOffFrom(std::thread::id waiter) {
  return std::find(waiters.begin(), waiters.end(), waiter) != waiters.end();
}
