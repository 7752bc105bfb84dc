#include "comm/crs/TSessionMsgEvent.h"

#include <QCoreApplication>

QEvent::Type TSessionMsgEvent::EventType() {
  static const QEvent::Type type = QEvent::Type(QEvent::registerEventType(QEvent::User + WM_SESSIONMSG));
  return type;
}

TSessionMsgEvent::TSessionMsgEvent(int slot, tMpMessage message, const QObject* source)
    : QEvent(EventType()), slot_(slot), message_(message), source_(source) {}

void PostSessionMsg(QObject* controller, int slot, tMpMessage message, const QObject* source) {
  if (controller) QCoreApplication::postEvent(controller, new TSessionMsgEvent(slot, message, source));
}
