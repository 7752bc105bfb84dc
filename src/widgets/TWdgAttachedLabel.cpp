#include "widgets/TWdgAttachedLabel.h"

#include "widgets/TWdgCustomControl.h"

TWdgAttachedLabel::TWdgAttachedLabel(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(true); // not transparent: it paints its own background
}

TWdgAttachedLabel* TWdgAttachedLabel::CreateForControl(QWidget* parent, TWdgCustomControl* control) {
  auto* label = new TWdgAttachedLabel(parent);
  label->SetControl(control);
  label->setBuddy(control);
  return label;
}

TWdgCustomControl* TWdgAttachedLabel::Control() const { return control_; }

void TWdgAttachedLabel::SetControl(TWdgCustomControl* control) { control_ = control; }

void TWdgAttachedLabel::SetCaption(const QString& caption) {
  setText(caption);
  adjustSize();
}

void TWdgAttachedLabel::moveEvent(QMoveEvent* event) {
  QLabel::moveEvent(event);
  BoundsChanged();
}

void TWdgAttachedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  BoundsChanged();
}

void TWdgAttachedLabel::BoundsChanged() {
  if (control_) control_->LabelBoundsChanged(this);
}
