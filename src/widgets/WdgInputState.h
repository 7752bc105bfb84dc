#pragma once
// The state of the keyboard and the mouse at the moment of the call.
#include <QtCore/qnamespace.h>
#include <QtGlobal>

// The primary mouse button. Qt hands events the logical buttons, with any swap made by the
// system already applied, so it is always the left one.
constexpr Qt::MouseButton PrimaryMouseButton() { return Qt::LeftButton; }
// 2 when Shift is down, plus 4 for Ctrl, plus 8 for Alt.
quint8 ShiftFlags();
