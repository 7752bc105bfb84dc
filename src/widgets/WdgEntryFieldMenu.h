#pragma once
// The context menu an entry field shows when its window gives it none.
class QMenu;
class TWdgBaseEntryField;

// "&Restore", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All", each enabled when it can do
// something now. The caller owns the menu.
QMenu* CreateEntryFieldMenu(TWdgBaseEntryField& field);
