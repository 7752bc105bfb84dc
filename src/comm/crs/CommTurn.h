#pragma once
#include <QPointer>
#include <QTimer>

// The sessions and their protocol modules share the GUI thread: each step of a module and
// each handling of a session is one turn. A turn may let waiting events run (a long save
// does, between its blocks, so that windows stay drawn), but no other turn may start inside
// it: the turn that started last would have to end first, and the one it interrupted would
// wait for it. A timer that fires while a turn is on the stack is put off with Defer and
// fired again, in the order put off, once the outermost turn has ended.
class CommTurn {
public:
  CommTurn();
  ~CommTurn();
  CommTurn(const CommTurn&) = delete;
  CommTurn& operator=(const CommTurn&) = delete;

  // True while a turn is on the stack.
  static bool Taken();
  // Starts the timer again, at once, when the turns now on the stack have ended; a timer
  // deleted meanwhile is passed over.
  static void Defer(QTimer& timer);
};
