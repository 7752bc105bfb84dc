#include "widgets/TWdgSingleCaret.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QSignalBlocker>
#include <QStyleHints>

TWdgSingleCaret::TWdgSingleCaret(QWidget* field) : field_(field) { SetCaret(new TWdgCaret); }

TWdgSingleCaret::~TWdgSingleCaret() {
  Hide();
  Unlink();
  disconnect(caretChanged_);
  caret_->Release();
}

void TWdgSingleCaret::SetCaret(TWdgCaret* caret) {
  if (!caret || caret == caret_) return;
  caret->AddReference();
  if (caret_) {
    disconnect(caretChanged_);
    caret_->Release();
  }
  caret_ = caret;
  caretChanged_ = connect(caret_, &TWdgCaret::Changed, this, &TWdgSingleCaret::Recreate);
  Recreate();
}

void TWdgSingleCaret::SetLineHeight(int height) {
  if (height <= 0 || height == lineHeight_) return;
  lineHeight_ = height;
  Recreate();
}

void TWdgSingleCaret::SetCharWidth(int width) {
  if (width <= 0 || width == charWidth_) return;
  charWidth_ = width;
  Recreate();
}

void TWdgSingleCaret::SetFontMetrics(const QFontMetrics& metrics) {
  SetLineHeight(metrics.height());
  SetCharWidth(metrics.averageCharWidth());
}

void TWdgSingleCaret::Recreate() {
  const bool wasLinked = linked_;
  Unlink();
  Layout();
  if (wasLinked) Link();
}

void TWdgSingleCaret::Layout() {
  {
    const QSignalBlocker quiet(caret_);
    switch (caret_->Shape()) {
    case csBlock:
      caret_->SetCaretHeight(lineHeight_);
      caret_->SetCaretWidth(charWidth_);
      break;
    case csHalfBlock:
      caret_->SetCaretHeight(lineHeight_ / 2);
      caret_->SetCaretWidth(charWidth_);
      break;
    case csVertLine: caret_->SetCaretHeight(lineHeight_); break;
    case csHorzLine: caret_->SetCaretWidth(charWidth_); break;
    case csCustom:
    case csBitmap: break;
    }
  }
  const int centredY = (lineHeight_ - caret_->CaretHeight()) / 2;
  const int centredX = (charWidth_ - caret_->CaretWidth()) / 2;
  QPoint offset;
  switch (caret_->Align()) {
  case caLeft: offset = {0, centredY}; break;
  case caTop: offset = {centredX, 0}; break;
  case caRight: offset = {charWidth_ - caret_->CaretWidth(), centredY}; break;
  case caBottom: offset = {centredX, lineHeight_ - caret_->CaretHeight()}; break;
  case caCenter: offset = {centredX, centredY}; break;
  }
  if (caret_->Shape() == csBitmap) offset -= QPoint(caret_->BitmapHotSpotX(), caret_->BitmapHotSpotY());
  if (offset != offset_) {
    offset_ = offset;
    if (linked_) Q_EMIT Changed();
  }
}

void TWdgSingleCaret::Link() {
  if (linked_ || !field_) return;
  linked_ = true;
  Q_EMIT Changed();
}

void TWdgSingleCaret::Unlink() {
  if (!linked_) return;
  linked_ = false;
  Q_EMIT Changed();
}

void TWdgSingleCaret::SetPosition(int x, int y) {
  const QPoint position(x < 0 ? kParked : x, y < 0 ? kParked : y);
  if (position == position_) return;
  position_ = position;
  if (linked_) Q_EMIT Changed();
}

void TWdgSingleCaret::Show() {
  if (shown_) return;
  shown_ = true;
  if (linked_) Q_EMIT Changed();
}

void TWdgSingleCaret::Hide() {
  if (!shown_) return;
  shown_ = false;
  if (linked_) Q_EMIT Changed();
}

QSize TWdgSingleCaret::Size() const { return {caret_->CaretWidth(), caret_->CaretHeight()}; }

QRect TWdgSingleCaret::Rect() const {
  if (!linked_ || !shown_ || position_.x() == kParked || position_.y() == kParked) return {};
  return {position_ + offset_, Size()};
}

int TWdgSingleCaret::BlinkInterval() const {
  if (caret_->BlinkTime() != 0) return caret_->BlinkTime();
  return QGuiApplication::styleHints()->cursorFlashTime() / 2;
}
