#pragma once
// Waits that keep the program's events flowing, for code that must pause on the GUI
// thread while windows, timers and sockets stay alive.
#include <QtGlobal>

// Handles the events waiting now, if any. True when the program is ending (the
// application was asked to exit or is closing down, or termination was requested).
bool PumpMessage();
// Handles events until the time has passed on the clock's monotonic count or the program
// is ending; sleeps between events rather than spinning. True when the whole time passed.
bool PumpDelay(qint64 milliseconds);
