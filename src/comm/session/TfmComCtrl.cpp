#include "comm/session/TfmComCtrl.h"

#include "comm/crs/TSessionMsgEvent.h"
#include "comm/crs/TdmCommBase.h"
#include "comm/session/TPollSession.h"

TfmComCtrl::TfmComCtrl(QObject* parent) : QObject(parent) {
  reaper_.setSingleShot(true);
  connect(&reaper_, &QTimer::timeout, this, &TfmComCtrl::Reap);
}

TfmComCtrl::~TfmComCtrl() {
  for (TPollSession* session : released_) delete session;
  released_.clear();
  for (TPollSession*& session : sessions_) {
    delete session;
    session = nullptr;
  }
}

TPollSession* TfmComCtrl::Session(int slot) const {
  return slot >= 1 && slot <= kMaxSlots ? sessions_[size_t(slot)] : nullptr;
}

int TfmComCtrl::SessionCount() const {
  int count = 0;
  for (int slot = 1; slot <= kMaxSlots; ++slot) count += sessions_[size_t(slot)] ? 1 : 0;
  return count;
}

int TfmComCtrl::FreeSlot() const {
  if (highSlot_ < kMaxSlots) return highSlot_ + 1;
  for (int slot = 1; slot <= kMaxSlots; ++slot)
    if (!sessions_[size_t(slot)]) return slot;
  return 0;
}

bool TfmComCtrl::StartNewSessionHistory(const tMachine& machine, const tHistoryEvent& event) {
  const int slot = FreeSlot();
  if (slot == 0) return false;
  highSlot_ = std::max(highSlot_, slot);
  auto* session = new TPollSession(this, event, machine, slot);
  sessions_[size_t(slot)] = session;
  session->Receive(MpmInitial);
  return true;
}

void TfmComCtrl::ReleaseSession(int slot) {
  TPollSession* session = Session(slot);
  if (!session) return;
  sessions_[size_t(slot)] = nullptr;
  if (slot == highSlot_)
    while (highSlot_ > 0 && !sessions_[size_t(highSlot_)]) --highSlot_;
  // The release comes from inside the session's own handling.
  released_.push_back(session);
  reaper_.start(0);
}

void TfmComCtrl::Reap() {
  if (TdmCommBase::StepsRunning() == 0) {
    std::vector<TPollSession*> busy;
    for (TPollSession* session : released_) {
      if (session->Busy()) busy.push_back(session);
      else delete session;
    }
    released_ = std::move(busy);
  }
  if (!released_.empty()) reaper_.start(10);
}

bool TfmComCtrl::event(QEvent* e) {
  if (e->type() != TSessionMsgEvent::EventType()) return QObject::event(e);
  const auto* msg = static_cast<const TSessionMsgEvent*>(e);
  TPollSession* session = Session(msg->Slot());
  if (session && session->Owns(msg->Source())) session->Receive(msg->Message());
  return true;
}
