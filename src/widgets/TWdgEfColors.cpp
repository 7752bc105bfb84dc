#include "widgets/TWdgEfColors.h"

TWdgEfColors::TWdgEfColors(const QPalette& palette, QObject* parent)
    : QObject(parent), disabled_(TWdgColors::Disabled, palette),
      error_(TWdgColors::Error, palette), highlight_(TWdgColors::Highlight, palette) {
  for (TWdgColors* pair : {&disabled_, &error_, &highlight_})
    connect(pair, &TWdgColors::Changed, this, &TWdgEfColors::Changed);
}

void TWdgEfColors::Assign(const TWdgEfColors& source) {
  disabled_.Assign(source.disabled_);
  error_.Assign(source.error_);
  highlight_.Assign(source.highlight_);
}
