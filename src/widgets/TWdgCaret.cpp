#include "widgets/TWdgCaret.h"

TWdgCaret::TWdgCaret() = default;

void TWdgCaret::Release() {
  if (--references_ <= 0) delete this;
}

void TWdgCaret::SetBitmap(const QImage& bitmap) {
  if (bitmap.isNull()) return;
  bitmap_ = bitmap.copy();
  if (shape_ == csBitmap) {
    height_ = bitmap_.height();
    width_ = bitmap_.width();
  }
  Q_EMIT Changed();
}

void TWdgCaret::SetBitmapHotSpotX(int x) {
  if (x == hotSpotX_) return;
  hotSpotX_ = x;
  if (shape_ == csBitmap) Q_EMIT Changed();
}

void TWdgCaret::SetBitmapHotSpotY(int y) {
  if (y == hotSpotY_) return;
  hotSpotY_ = y;
  if (shape_ == csBitmap) Q_EMIT Changed();
}

void TWdgCaret::SetShape(TWdgCaretShape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  switch (shape) {
  case csBlock: align_ = caLeft; break;
  case csHalfBlock: align_ = caBottom; break;
  case csVertLine:
    align_ = caLeft;
    width_ = 2;
    break;
  case csHorzLine:
    align_ = caBottom;
    height_ = 2;
    break;
  case csBitmap:
    if (!bitmap_.isNull()) {
      height_ = bitmap_.height();
      width_ = bitmap_.width();
    }
    break;
  case csCustom: break;
  }
  Q_EMIT Changed();
}

void TWdgCaret::SetAlign(TWdgCaretAlign align) {
  if (align == align_) return;
  align_ = align;
  Q_EMIT Changed();
}

void TWdgCaret::SetBlinkTime(quint16 milliseconds) {
  if (milliseconds == blinkTime_) return;
  blinkTime_ = milliseconds;
  Q_EMIT Changed();
}

void TWdgCaret::SetCaretHeight(int height) {
  if (height <= 0 || height == height_) return;
  height_ = height;
  Q_EMIT Changed();
}

void TWdgCaret::SetCaretWidth(int width) {
  if (width <= 0 || width == width_) return;
  width_ = width;
  Q_EMIT Changed();
}

void TWdgCaret::SetIsGray(bool gray) {
  if (gray == gray_) return;
  gray_ = gray;
  Q_EMIT Changed();
}
