#pragma once
// The com port's hidden window: the dispatcher hands it the port's notifications on the GUI
// thread, and it runs the port's events for them.
#include "comm/link/SclTriggerMessages.h"

#include <QObject>

class TSclComWindow : public QObject, public TSclWindowHandler {
  Q_OBJECT
public:
  explicit TSclComWindow(QObject* parent = nullptr);

  QObject* WindowObject() override { return this; }
  uint32_t WindowHandle() const override { return handle_; }
  // The window procedure: finds the dispatcher by the handle in longParam and its port,
  // holding the dispatcher list's lock meanwhile.
  void WindowMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) override;
  // Posts (again) the message that finishes a deferred close of the port.
  void PostClosePending(int dispatcherHandle);

private:
  uint32_t handle_;
};
