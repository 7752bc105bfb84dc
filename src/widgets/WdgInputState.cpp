#include "widgets/WdgInputState.h"

#include "widgets/core/WdgQtKeyMap.h"

#include <QGuiApplication>

quint8 ShiftFlags() { return WdgShiftFlagsFromQt(QGuiApplication::queryKeyboardModifiers()); }
