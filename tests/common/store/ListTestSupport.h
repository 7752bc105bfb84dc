#pragma once
// Helpers for the linked-list tests.
#include "StreamTestItems.h"
#include "store/containers/TNodeContainer.h"

#include <vector>

// The keys from the first item to the last (the cursor ends on the last).
inline std::vector<qint32> ListKeys(TNodeContainer& list) {
  std::vector<qint32> keys;
  if (list.First()) {
    const TObject* first = list.Current();
    do {
      keys.push_back(KeyOf(list.Current()));
    } while (list.Next() && list.Current() != first);
  }
  return keys;
}
