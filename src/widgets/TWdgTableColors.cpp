#include "widgets/TWdgTableColors.h"

TWdgTableColors TWdgTableColors::Defaults(const QPalette& p) {
  TWdgTableColors c;
  c.ActiveFocused = c.ActiveUnfocused = c.Selected = p.color(QPalette::Highlight);
  c.ActiveFocusedText = c.ActiveUnfocusedText = c.SelectedText = p.color(QPalette::HighlightedText);
  c.Locked = c.Editing = p.color(QPalette::Button);
  c.LockedText = c.EditingText = p.color(QPalette::WindowText);
  return c;
}
