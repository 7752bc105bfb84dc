#pragma once
// The pause between two blocks of a long transfer: the events waiting are handled, so that
// windows, timers and the sessions on other lines take their turns. It never holds the
// thread: every session runs on it, and a sleep here would stop all of them.
void PauseBetweenBlocks();
// Handles the events waiting now.
void ProcessPendingEvents();
