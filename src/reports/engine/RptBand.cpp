#include "reports/engine/RptBand.h"

RptBand::RptBand(RptBandKind kind, QString name, double heightPx)
    : kind_(kind), name_(std::move(name)), heightPx_(heightPx) {}

RptBand& RptBand::SetHeightPx(double heightPx) {
  heightPx_ = heightPx;
  return *this;
}

RptBand& RptBand::SetTag(int tag) {
  tag_ = tag;
  return *this;
}

RptBand& RptBand::SetEnabled(bool enabled) {
  enabled_ = enabled;
  return *this;
}

RptBand& RptBand::SetFrame(unsigned sides) {
  frame_ = sides;
  return *this;
}

RptBand& RptBand::OnBeforePrint(BeforePrint handler) {
  beforePrint_ = std::move(handler);
  return *this;
}

RptBand& RptBand::OnAfterPrint(AfterPrint handler) {
  afterPrint_ = std::move(handler);
  return *this;
}

RptBand& RptBand::ChainEnd() {
  RptBand* band = this;
  while (band->child_) band = band->child_;
  return *band;
}

RptElement& RptBand::Add(std::unique_ptr<RptElement> element) {
  elements_.push_back(std::move(element));
  return *elements_.back();
}

RptElement& RptBand::AddLabel(const QString& name, const QRectF& rectPx, const QString& caption) {
  return Add(std::make_unique<RptElement>(RptElementKind::Label, name, rectPx)).SetCaption(caption);
}

RptElement& RptBand::AddDataText(const QString& name, const QRectF& rectPx, const QString& source,
                                 const QString& field, const QString& mask) {
  return Add(std::make_unique<RptElement>(RptElementKind::DataText, name, rectPx))
      .SetField(source, field)
      .SetMask(mask);
}

RptElement& RptBand::AddComputed(const QString& name, const QRectF& rectPx,
                                 RptElement::Compute compute, const QString& mask) {
  return Add(std::make_unique<RptElement>(RptElementKind::Computed, name, rectPx))
      .SetComputation(std::move(compute))
      .SetMask(mask);
}

RptElement& RptBand::AddSystemData(const QString& name, const QRectF& rectPx, RptSystemData data,
                                   const QString& caption) {
  return Add(std::make_unique<RptElement>(RptElementKind::SystemData, name, rectPx))
      .SetSystemData(data)
      .SetCaption(caption);
}

RptElement& RptBand::AddShape(const QString& name, const QRectF& rectPx, unsigned frameSides) {
  return Add(std::make_unique<RptElement>(RptElementKind::Shape, name, rectPx)).SetFrame(frameSides);
}

RptElement* RptBand::FindElement(const QString& name) const {
  for (const auto& element : elements_)
    if (element->Name().compare(name, Qt::CaseInsensitive) == 0) return element.get();
  return nullptr;
}
