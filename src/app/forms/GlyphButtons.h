#pragma once
// The big buttons of the shell's windows: a glyph with the caption under it, laid out in
// a row or a grid from a table, each calling its command through the error handler.
#include <QIcon>
#include <QList>
#include <QString>
#include <QStyle>
#include <functional>

class QGridLayout;
class QToolButton;
class QWidget;

struct GlyphButton {
  const char* name;    // objectName
  const char* caption;
  QStyle::StandardPixmap glyph;
  std::function<void(QToolButton&)> command;
  const char* hint = nullptr;
};

// Adds the buttons to the layout, `columns` a row, and returns them in table order.
QList<QToolButton*> AddGlyphButtons(QWidget& owner, QGridLayout& layout, const QList<GlyphButton>& table,
                                    int columns);
