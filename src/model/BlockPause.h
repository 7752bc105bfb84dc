#pragma once
// The pause between two blocks of a long transfer: the events waiting are handled, the
// thread yields for a random 0 .. "BlockPause" ms (timing profile, default 9), and the
// events that came meanwhile are handled too, so windows and timers stay alive.
void PauseBetweenBlocks();
// Handles the events waiting now.
void ProcessPendingEvents();
