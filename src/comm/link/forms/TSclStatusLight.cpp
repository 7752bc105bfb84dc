#include "comm/link/forms/TSclStatusLight.h"

#include <QBitmap>
#include <QPainter>

namespace {
constexpr int kSide = 13;
}

// Drawn as a square the lamp covers every pixel of itself, so blinking it repaints only
// the lamp, not the window behind it; a glyph with transparent parts is drawn over the
// window's background.
TSclStatusLight::TSclStatusLight(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kSide, kSide);
}

QSize TSclStatusLight::sizeHint() const {
  return glyph_.isNull() ? QSize(kSide, kSide) : QSize(glyph_.width() / 2, glyph_.height());
}

void TSclStatusLight::SetLit(bool lit) {
  if (lit == lit_) return;
  lit_ = lit;
  update();
}

void TSclStatusLight::SetLitColor(const QColor& color) {
  litColor_ = color;
  if (glyph_.isNull() && lit_) update();
}

void TSclStatusLight::SetNotLitColor(const QColor& color) {
  notLitColor_ = color;
  if (glyph_.isNull() && !lit_) update();
}

void TSclStatusLight::SetGlyph(const QPixmap& glyph) {
  glyph_ = glyph;
  setAttribute(Qt::WA_OpaquePaintEvent, glyph_.isNull());
  if (glyph_.isNull()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(kSide, kSide);
  } else {
    setFixedSize(glyph_.width() / 2, glyph_.height()); // any new bounds keep this size
  }
  update();
}

void TSclStatusLight::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!glyph_.isNull()) {
    // The glyph's top-left pixel colour stands for transparent.
    QPixmap half = glyph_.copy(lit_ ? 0 : glyph_.width() / 2, 0, glyph_.width() / 2, glyph_.height());
    const QColor transparent = glyph_.toImage().pixelColor(0, 0);
    half.setMask(half.createMaskFromColor(transparent, Qt::MaskInColor));
    painter.drawPixmap(0, 0, half);
    return;
  }
  const int w = width(), h = height();
  painter.fillRect(rect(), lit_ ? litColor_ : notLitColor_);
  painter.setPen(Qt::white);
  painter.drawLine(0, 0, w - 1, 0);
  painter.drawLine(0, 0, 0, h - 1);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawLine(w - 1, 1, w - 1, h - 1);
  painter.drawLine(1, h - 1, w - 1, h - 1);
}
