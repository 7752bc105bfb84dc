#pragma once
// A window's accept checks its entry fields before it closes: a value left in a field is
// never read silently as 0 because the user pressed Enter without leaving the field.
class QWidget;

// Checks every visible, enabled entry field of the window, the one with the focus first, then
// the others in their focus order. The first that fails gets the focus and the error box
// (once), and false is returned: the window stays open.
bool ValidateEntryFields(QWidget* window);
