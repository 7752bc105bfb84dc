#pragma once
// The column of buttons beside a list that the list windows share (Select, Edit, Add, …,
// Cancel at the bottom): each button named and captioned as given, with its hint, never the
// default button by itself; a stretch pushes the buttons that ask for it to the bottom.
#include <QString>
#include <functional>
#include <initializer_list>

class QBoxLayout;
class QWidget;

struct WdgButtonDef {
  const char* name;
  const char* caption;
  const char* hint;
  std::function<void()> action;
  bool atBottom = false; // a stretch goes before the first button that sets this
};

void AddButtonColumn(QWidget& owner, QBoxLayout& column, std::initializer_list<WdgButtonDef> defs);
