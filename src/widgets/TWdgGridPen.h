#pragma once
// One of the table's line pens: two colours, a line style and which lines it draws around a
// cell (none, the right one, the bottom one, both, or a raised frame in two colours).
#include <QColor>
#include <QRect>
#include <functional>

enum TGridEffect : quint8 { geNone, geVertical, geHorizontal, geBoth, ge3D };

class TWdgGridPen {
public:
  TWdgGridPen(const QColor& normal, const QColor& second, Qt::PenStyle style, TGridEffect effect)
      : normal_(normal), second_(second), style_(style), effect_(effect) {}

  QColor NormalColor() const { return normal_; }
  void SetNormalColor(const QColor& color);
  QColor SecondColor() const { return second_; }
  void SetSecondColor(const QColor& color);
  Qt::PenStyle Style() const { return style_; }
  void SetStyle(Qt::PenStyle style);
  TGridEffect Effect() const { return effect_; }
  void SetEffect(TGridEffect effect);
  // Copies every value and reports one change.
  void Assign(const TWdgGridPen& source);

  // The part of a cell left for its contents once this pen's lines are drawn.
  QRect Inside(const QRect& cell) const;

  std::function<void()> OnChange;

private:
  void Changed() const;

  QColor normal_, second_;
  Qt::PenStyle style_;
  TGridEffect effect_;
};
