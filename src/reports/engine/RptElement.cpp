#include "reports/engine/RptElement.h"

RptElement::RptElement(RptElementKind kind, QString name, const QRectF& rectPx)
    : kind_(kind), name_(std::move(name)), rectPx_(rectPx) {}

RptElement& RptElement::SetTag(int tag) {
  tag_ = tag;
  return *this;
}

RptElement& RptElement::SetRectPx(const QRectF& rectPx) {
  rectPx_ = rectPx;
  return *this;
}

RptElement& RptElement::MoveTo(double leftPx, double topPx) {
  rectPx_.moveTo(leftPx, topPx);
  return *this;
}

RptElement& RptElement::SetEnabled(bool enabled) {
  enabled_ = enabled;
  return *this;
}

RptElement& RptElement::SetCaption(const QString& caption) {
  caption_ = caption;
  return *this;
}

RptElement& RptElement::SetField(const QString& source, const QString& field) {
  source_ = source;
  field_ = field;
  return *this;
}

RptElement& RptElement::SetMask(const QString& mask) {
  mask_ = mask;
  return *this;
}

RptElement& RptElement::SetComputation(Compute compute) {
  compute_ = std::move(compute);
  return *this;
}

RptElement& RptElement::SetSystemData(RptSystemData data) {
  system_ = data;
  return *this;
}

RptElement& RptElement::SetFont(const RptFont& font) {
  font_ = font;
  return *this;
}

RptElement& RptElement::SetAlign(RptAlign align) {
  align_ = align;
  return *this;
}

RptElement& RptElement::SetFrame(unsigned sides) {
  frame_ = sides;
  return *this;
}
