#pragma once
// Lets the events waiting now run: between two blocks of a long transfer or save, so that
// windows are drawn and answer. It never holds the thread (every session runs on it), and
// no other session's step runs inside it (their steps take turns from the event loop).
void ProcessPendingEvents();
