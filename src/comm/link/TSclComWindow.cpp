#include "comm/link/TSclComWindow.h"

#include "comm/link/SclExceptionDisplay.h"
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclCustomComPort.h"
#include "comm/link/TSclDispatcherList.h"

#include <QTimer>
#include <atomic>

namespace {
std::atomic<uint32_t> nextHandle{1};
}

TSclComWindow::TSclComWindow(QObject* parent) : QObject(parent), handle_(nextHandle++) {}

void TSclComWindow::WindowMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) {
  std::lock_guard lock(TSclDispatcherList::Lock());
  TSclBaseDispatcher* dispatcher = TSclDispatcherList::Find(static_cast<int>(longParam >> 16));
  // A late message may name a slot that another port's dispatcher has taken since.
  if (!dispatcher || !dispatcher->Owner() || dispatcher->Owner() != parent()) return;
  TSclCustomComPort* port = dispatcher->Owner();
  try {
    if (message == kSclPortClosePending) {
      // Until the dispatch thread has finished the close, look again a moment later.
      if (dispatcher->ThreadsActive()) PostClosePending(static_cast<int>(longParam >> 16));
      else port->FinishDeferredClose();
      return;
    }
    port->DispatchTriggerMessage(message, shortParam, longParam);
  } catch (const std::exception& e) {
    SclShowException(e);
  }
}

void TSclComWindow::PostClosePending(int dispatcherHandle) {
  const uint32_t longParam = static_cast<uint32_t>(dispatcherHandle) << 16;
  QTimer::singleShot(1, this, [this, longParam] { WindowMessage(kSclPortClosePending, 0, longParam); });
}
