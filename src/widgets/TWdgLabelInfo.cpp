#include "widgets/TWdgLabelInfo.h"

#include "widgets/TWdgAttachedLabel.h"

void TWdgLabelInfo::SetOffsetX(int x) {
  if (x == offsetX_) return;
  offsetX_ = x;
  ReportOffsets();
}

void TWdgLabelInfo::SetOffsetY(int y) {
  if (y == offsetY_) return;
  offsetY_ = y;
  ReportOffsets();
}

void TWdgLabelInfo::SetOffsets(int x, int y) {
  offsetX_ = x;
  offsetY_ = y;
  ReportOffsets();
}

void TWdgLabelInfo::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (OnVisibleChanged) OnVisibleChanged();
}

TWdgAttachedLabel* TWdgLabelInfo::Label() const { return label_; }

void TWdgLabelInfo::SetLabel(TWdgAttachedLabel* label) { label_ = label; }

void TWdgLabelInfo::ReportOffsets() {
  if (OnOffsetsChanged) OnOffsetsChanged();
}
