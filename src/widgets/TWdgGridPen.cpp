#include "widgets/TWdgGridPen.h"

#include <QRect>

void TWdgGridPen::Changed() const {
  if (OnChange) OnChange();
}

void TWdgGridPen::SetNormalColor(const QColor& color) {
  if (color == normal_) return;
  normal_ = color;
  Changed();
}

void TWdgGridPen::SetSecondColor(const QColor& color) {
  if (color == second_) return;
  second_ = color;
  Changed();
}

void TWdgGridPen::SetStyle(Qt::PenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TWdgGridPen::SetEffect(TGridEffect effect) {
  if (effect == effect_) return;
  effect_ = effect;
  Changed();
}

void TWdgGridPen::Assign(const TWdgGridPen& source) {
  normal_ = source.normal_;
  second_ = source.second_;
  style_ = source.style_;
  effect_ = source.effect_;
  Changed();
}

QRect TWdgGridPen::Inside(const QRect& cell) const {
  switch (effect_) {
  case geVertical: return cell.adjusted(0, 0, -1, 0);
  case geHorizontal: return cell.adjusted(0, 0, 0, -1);
  case geBoth: return cell.adjusted(0, 0, -1, -1);
  case ge3D: return cell.adjusted(1, 1, -1, -1);
  default: return cell;
  }
}
