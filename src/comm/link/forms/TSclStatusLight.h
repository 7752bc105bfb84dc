#pragma once
// One lamp of a status-light row: a small filled square with a bevel, in LitColor or
// NotLitColor, or - with a Glyph of two images side by side - the left image when lit and
// the right one when not.
#include "comm/link/TSclCustomStatusLight.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class TSclStatusLight : public QWidget, public TSclCustomStatusLight {
  Q_OBJECT
public:
  explicit TSclStatusLight(QWidget* parent = nullptr);

  bool Lit() const override { return lit_; }
  void SetLit(bool lit) override;
  QColor LitColor() const { return litColor_; }
  void SetLitColor(const QColor& color);
  QColor NotLitColor() const { return notLitColor_; }
  void SetNotLitColor(const QColor& color);
  const QPixmap& Glyph() const { return glyph_; }
  // The lamp takes half the glyph's width and its height; an empty glyph gives 13 x 13.
  void SetGlyph(const QPixmap& glyph);
  QString ScommVersion() const { return QStringLiteral("v1.0"); }

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  bool lit_ = false;
  QColor litColor_{255, 0, 0};
  QColor notLitColor_{0, 128, 0};
  QPixmap glyph_;
};
