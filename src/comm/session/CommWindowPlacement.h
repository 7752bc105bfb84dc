#pragma once
// Where a session's communication window stands: windows of different ports in three
// columns, by the port's place in the port list, so that concurrent sessions do not cover
// each other. The window is 324 by 600 at most.
#include <QPoint>
#include <QSize>

// portIndex: the port's place in the port list, -1 when it has none. The middle column for
// places 2, 5, ... and for a port without a place; 234 pixels left of it for 0, 3, ...;
// 234 right of it for 1, 4, ... Never left of or above the screen.
QPoint CommWindowTopLeft(int portIndex, QSize screen);
