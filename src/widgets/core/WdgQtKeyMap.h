#pragma once
// Turns a Qt key and its modifiers into the virtual-key code and shift flags that the command
// tables hold.
#include <QtCore/qnamespace.h>
#include <QtGlobal>

struct TWdgVirtualKey {
  quint8 key = 0; // 0: a key the tables cannot name
  quint8 shift = 0; // kWdgShift, kWdgCtrl, kWdgAlt summed
  bool operator==(const TWdgVirtualKey&) const = default;
};

TWdgVirtualKey WdgVirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
quint8 WdgShiftFlagsFromQt(Qt::KeyboardModifiers modifiers);
