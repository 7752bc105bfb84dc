#pragma once
// The communication controller: owns the running polling sessions, up to 128 at a time,
// each in a numbered slot (1..128), and hands every session message posted to it to the
// session of the message's slot. It is the job queue's session starter.
//
// A new session takes the slot above the highest in use; when that would be past 128 it
// takes the lowest free slot, and when every slot is taken the job stays queued with its
// port free. A message for an empty slot, a slot outside 1..128, or from an object that is
// not the slot's session, its window or its module (a late message of a session that has
// ended, whose slot another session has taken since) is dropped.
#include "comm/jobs/tSessionStarter.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <vector>

class TPollSession;

class TfmComCtrl : public QObject, public tSessionStarter {
  Q_OBJECT
public:
  static constexpr int kMaxSlots = 128;

  explicit TfmComCtrl(QObject* parent = nullptr);
  ~TfmComCtrl() override;

  int HighSlot() const { return highSlot_; }
  TPollSession* Session(int slot) const;
  int SessionCount() const;

  // Starts a session for the job in a new slot and runs its first handling; false when no
  // slot is free.
  bool StartNewSessionHistory(const tMachine& machine, const tHistoryEvent& event);
  bool StartSession(const tMachine& machine, const tHistoryEvent& job) override {
    return StartNewSessionHistory(machine, job);
  }
  // Empties the slot; its session (with its window and module) is freed later, once no
  // handling of it and no protocol step of any module is running: those may be waiting
  // inside a pause further down the stack, and deferred deletion alone would free them as
  // soon as the pause's own events are handled.
  void ReleaseSession(int slot);
  // Sessions released and not yet freed.
  int PendingRelease() const { return int(released_.size()); }

protected:
  bool event(QEvent* e) override;

private:
  int FreeSlot() const;
  void Reap();

  std::array<TPollSession*, kMaxSlots + 1> sessions_{}; // [0] unused
  int highSlot_ = 0;
  std::vector<TPollSession*> released_;
  QTimer reaper_;
};
