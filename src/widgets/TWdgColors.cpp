#include "widgets/TWdgColors.h"

#include <QPalette>

namespace {
QColor DefaultBack(TWdgColors::Role role, const QPalette& palette) {
  switch (role) {
  case TWdgColors::Disabled: return palette.color(QPalette::Active, QPalette::Base);
  case TWdgColors::Error: return QColor(255, 0, 0);
  default: return palette.color(QPalette::Active, QPalette::Highlight);
  }
}

QColor DefaultText(TWdgColors::Role role, const QPalette& palette) {
  switch (role) {
  case TWdgColors::Disabled: return palette.color(QPalette::Disabled, QPalette::Text);
  case TWdgColors::Error: return QColor(0, 0, 0);
  default: return palette.color(QPalette::Active, QPalette::HighlightedText);
  }
}
} // namespace

TWdgColors::TWdgColors(const QColor& defaultBack, const QColor& defaultText, QObject* parent)
    : QObject(parent), defaultBack_(defaultBack), defaultText_(defaultText), back_(defaultBack),
      text_(defaultText) {}

TWdgColors::TWdgColors(Role role, const QPalette& palette, QObject* parent)
    : TWdgColors(DefaultBack(role, palette), DefaultText(role, palette), parent) {}

void TWdgColors::SetColor(QColor& color, const QColor& value, const QColor& fallback) {
  if (value == color) return;
  if (value != fallback) useDefault_ = false;
  color = value;
  Q_EMIT Changed();
}

void TWdgColors::SetBackColor(const QColor& color) { SetColor(back_, color, defaultBack_); }

void TWdgColors::SetTextColor(const QColor& color) { SetColor(text_, color, defaultText_); }

void TWdgColors::SetUseDefault(bool useDefault) {
  useDefault_ = useDefault;
  if (!useDefault) return;
  back_ = defaultBack_;
  text_ = defaultText_;
  Q_EMIT Changed();
}

void TWdgColors::Assign(const TWdgColors& source) {
  SetBackColor(source.BackColor());
  SetTextColor(source.TextColor());
}
