#pragma once
// The machine for which actions are being made or read (LastActnMachineId). An action read
// from a stream, a copy made by CopyObject among them, has no machine of its own: its
// reader takes a copy of the stored machine with this id and moves the action's target
// into that machine's driver. Making an action for a machine publishes the machine's id.
//
// The id is one value for the whole program, so a read attaches to whatever was published
// last. Code that reads actions for a machine (a job, a script, a copy of an action)
// therefore publishes that machine's id for exactly the span of the read with
// TActnMachineScope, and the id that was there before comes back afterwards.
//
// Reading and writing the id are guarded by a lock, so no reader sees a half-written id.
#include <QString>

QString LastActnMachineId();
void SetLastActnMachineId(const QString& machineId);

// Publishes the id for its lifetime; the earlier id is restored when it ends.
class TActnMachineScope {
public:
  explicit TActnMachineScope(const QString& machineId);
  ~TActnMachineScope();
  TActnMachineScope(const TActnMachineScope&) = delete;
  TActnMachineScope& operator=(const TActnMachineScope&) = delete;

private:
  QString previous_;
};
