#pragma once
// The process-wide list of open dispatchers. A dispatcher's handle is its slot: the first
// empty one, or a new one at the end. The com port's window finds the dispatcher of a message
// by the handle in it, holding the list lock while it runs the port's events.
#include <mutex>

class TSclBaseDispatcher;

class TSclDispatcherList {
public:
  static std::recursive_mutex& Lock();
  static int Add(TSclBaseDispatcher* dispatcher);
  // Empties the slot and drops empty slots at the end of the list.
  static void Remove(int handle);
  // The dispatcher in that slot; nullptr for an empty or out-of-range one.
  static TSclBaseDispatcher* Find(int handle);
};
