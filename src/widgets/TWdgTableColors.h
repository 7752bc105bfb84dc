#pragma once
// The colours the table paints its states in: the active cell with and without the focus, the
// cell being edited, selected cells and the locked (heading) cells.
#include <QColor>
#include <QPalette>

struct TWdgTableColors {
  QColor ActiveFocused, ActiveFocusedText;
  QColor ActiveUnfocused, ActiveUnfocusedText;
  QColor Locked, LockedText;
  QColor Editing, EditingText;
  QColor Selected, SelectedText;

  // The colours a new table takes, from the system's colours.
  static TWdgTableColors Defaults(const QPalette& palette);
  bool operator==(const TWdgTableColors&) const = default;
};
