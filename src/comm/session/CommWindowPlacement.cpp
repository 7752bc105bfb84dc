#include "comm/session/CommWindowPlacement.h"

#include <algorithm>

QPoint CommWindowTopLeft(int portIndex, QSize screen) {
  constexpr int kWidth = 324, kHeight = 600, kColumn = 234;
  int left = (screen.width() - kWidth) / 2;
  if (portIndex >= 0 && portIndex % 3 == 0) left -= kColumn;
  if (portIndex >= 0 && portIndex % 3 == 1) left += kColumn;
  // On a screen too small for it, the title bar stays on the screen.
  return {std::max(left, 0), std::max((screen.height() - kHeight) / 2, 0)};
}
