#pragma once
// A dispatcher without its threads, on a fake device over a pseudo-terminal, so a test can
// run one dispatch step at a time and see exactly what each does.
#include "LinkTestSupport.h"
#include "comm/link/TSclBaseDispatcher.h"
#include "platform/serialdev/FakeSerialDevice.h"

#include <functional>

class HarnessDispatcher : public TSclBaseDispatcher {
public:
  HarnessDispatcher() : TSclBaseDispatcher(nullptr) {}
  ~HarnessDispatcher() override { StopPort(); }

  int Start(const PtyPair& pty, int outSize = 4096) {
    return StartPort(pty.SlavePath(), 9600, true, true, outSize, 4096, 1, 8, 0);
  }
  FakeSerialDevice& Fake() { return *static_cast<FakeSerialDevice*>(device_.get()); }
  // Lets the dispatcher see what the far end wrote (the event thread's part).
  void Receive(PtyPair& pty, const QByteArray& bytes) {
    pty.Write(bytes);
    WaitFor([&] { return device_->InputCount() >= bytes.size(); }, 2000);
    HandleDeviceEvent(SerialDevice::EvRxChar);
  }

  using TSclBaseDispatcher::FillInput;
  using TSclBaseDispatcher::HandleDeviceEvent;
  using TSclBaseDispatcher::NotifyHandlers;
  using TSclBaseDispatcher::ScanCycle;
  using TSclBaseDispatcher::ScanStatusTriggers;

protected:
  int OpenDevice(const QString& name, int, int) override {
    int error = 0;
    device_ = FakeSerialDevice::Open(name, error);
    return device_ ? 0 : -error;
  }
  void StartThreads() override {}
  void StopThreads() override {}
};

// A method handler that runs a function for each notification.
class RecordingHandler : public TSclMethodHandler {
public:
  std::function<void(uint32_t, uint32_t, uint32_t)> onMessage;
  int calls = 0;
  void TriggerMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) override {
    ++calls;
    if (onMessage) onMessage(message, shortParam, longParam);
  }
};
