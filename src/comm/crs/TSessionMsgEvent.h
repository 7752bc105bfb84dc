#pragma once
// The session message: how protocol modules and communication windows report to the
// communication controller. It is always posted, never sent, to the controller's object
// on the GUI thread, and carries the message number, the session's slot (1..128) and the
// tMpMessage. Source is the object that posted it, so a receiver can drop a late message
// of a session that has ended even when its slot has been given to another one.
#include "comm/crs/SessionEnums.h"

#include <QEvent>

class TSessionMsgEvent : public QEvent {
public:
  static constexpr int WM_SESSIONMSG = 0x0590; // the window message number
  static QEvent::Type EventType();

  TSessionMsgEvent(int slot, tMpMessage message, const QObject* source);
  int Msg() const { return WM_SESSIONMSG; }
  int Slot() const { return slot_; }
  tMpMessage Message() const { return message_; }
  const QObject* Source() const { return source_; }

private:
  int slot_;
  tMpMessage message_;
  const QObject* source_;
};

// Posts the message to the controller; nothing when there is no controller.
void PostSessionMsg(QObject* controller, int slot, tMpMessage message, const QObject* source);
