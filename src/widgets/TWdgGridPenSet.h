#pragma once
// The table's four pens: the lines of the scrollable cells (dotted), of the locked cells
// (raised), and the active cell's frame with and without the focus (solid, dashed).
#include "widgets/TWdgGridPen.h"

#include <QPalette>

struct TWdgGridPenSet {
  explicit TWdgGridPenSet(const QPalette& palette);

  TWdgGridPen NormalGrid;
  TWdgGridPen LockedGrid;
  TWdgGridPen CellWhenFocused;
  TWdgGridPen CellWhenUnfocused;

  // Each pen takes the values of the source's pen of the same name.
  void Assign(const TWdgGridPenSet& source);
  void SetChangeHandler(const std::function<void()>& handler);
};
