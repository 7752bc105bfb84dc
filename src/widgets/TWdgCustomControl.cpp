#include "widgets/TWdgCustomControl.h"

#include "widgets/TWdgAttachedLabel.h"
#include "widgets/core/WdgControlErrors.h"
#include "widgets/core/WdgExceptionDisplay.h"
#include "widgets/core/WdgMisc.h"

#include <QPointer>
#include <QTimer>
#include <QWheelEvent>

namespace {
// Runs the call after the current event, unless the control has gone by then.
void Post(QObject* control, std::function<void()> call) {
  QTimer::singleShot(0, control, [call = std::move(call)] { WdgRunGuarded(call); });
}
} // namespace

TWdgShiftState WdgShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TWdgShiftState state;
  state.setFlag(ssShift, modifiers.testFlag(Qt::ShiftModifier));
  state.setFlag(ssAlt, modifiers.testFlag(Qt::AltModifier));
  state.setFlag(ssCtrl, modifiers.testFlag(Qt::ControlModifier));
  state.setFlag(ssLeft, buttons.testFlag(Qt::LeftButton));
  state.setFlag(ssRight, buttons.testFlag(Qt::RightButton));
  state.setFlag(ssMiddle, buttons.testFlag(Qt::MiddleButton));
  return state;
}

TWdgCustomControl::TWdgCustomControl(QWidget* parent) : QWidget(parent) {
  labelInfo_.OnOffsetsChanged = [this] { PositionLabel(); };
  labelInfo_.OnVisibleChanged = [this] { LabelVisibleChanged(); };
}

TWdgCustomControl::~TWdgCustomControl() {
  labelInfo_.OnOffsetsChanged = nullptr;
  FreeLabel();
}

TWdgAttachedLabel* TWdgCustomControl::AttachedLabel() const {
  if (!labelInfo_.Visible()) throw ELabelNotAttached();
  return labelInfo_.Label();
}

void TWdgCustomControl::LabelVisibleChanged() {
  if (!labelInfo_.Visible()) {
    FreeLabel();
    return;
  }
  try {
    MakeLabel();
  } catch (...) {
    labelInfo_.SetVisibleQuietly(false);
    throw;
  }
}

void TWdgCustomControl::MakeLabel() {
  QWidget* parent = parentWidget();
  if (!parent) return; // a label needs a form to stand on
  FreeLabel();
  labelInfo_.SetVisibleQuietly(true);
  const QString name = UniqueComponentName(window(), objectName() + QStringLiteral("Label"));
  auto* label = TWdgAttachedLabel::CreateForControl(parent, this);
  label->setObjectName(name);
  label->SetCaption(name);
  Attach(label);
  labelInfo_.SetOffsets(0, 0);
  label->setVisible(isVisibleTo(parent));
  label->raise();
  label->update();
}

void TWdgCustomControl::Attach(TWdgAttachedLabel* label) {
  if (labelInfo_.Label() == label) return;
  labelInfo_.SetLabel(label);
  // A label deleted by other means leaves the control without one; nothing else is freed.
  connect(label, &QObject::destroyed, this, [this, label](QObject*) {
    if (labelInfo_.Label() && labelInfo_.Label() != label) return;
    labelInfo_.SetLabel(nullptr);
    labelInfo_.SetVisibleQuietly(false);
  });
}

void TWdgCustomControl::FreeLabel() {
  TWdgAttachedLabel* label = labelInfo_.Label();
  labelInfo_.SetLabel(nullptr);
  if (!label) return;
  disconnect(label, nullptr, this, nullptr);
  label->SetControl(nullptr);
  delete label;
}

void TWdgCustomControl::PositionLabel() {
  TWdgAttachedLabel* label = labelInfo_.Label();
  if (!labelInfo_.Visible() || !label || !label->parentWidget()) return;
  label->move(x() + labelInfo_.OffsetX(), y() + labelInfo_.OffsetY() - label->height());
}

QPoint TWdgCustomControl::PresentOffsets() const {
  const TWdgAttachedLabel* label = labelInfo_.Label();
  return {label->x() - x(), label->y() + label->height() - y()};
}

void TWdgCustomControl::setVisible(bool visible) {
  QWidget::setVisible(visible);
  if (labelInfo_.Visible() && labelInfo_.Label()) labelInfo_.Label()->setVisible(visible);
}

void TWdgCustomControl::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  BoundsChanged();
}

void TWdgCustomControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  BoundsChanged();
}

// After the move or resize is complete, the label goes back to its offsets if it left them.
void TWdgCustomControl::BoundsChanged() {
  if (boundsPosted_ || !labelInfo_.Label()) return;
  boundsPosted_ = true;
  Post(this, [this] {
    boundsPosted_ = false;
    if (!labelInfo_.Visible() || !labelInfo_.Label()) return;
    const QPoint present = PresentOffsets();
    if (present != QPoint(labelInfo_.OffsetX(), labelInfo_.OffsetY())) PositionLabel();
  });
}

void TWdgCustomControl::LabelBoundsChanged(TWdgAttachedLabel* label) {
  Attach(label);
  Post(this, [this, moved = QPointer<TWdgAttachedLabel>(label)] {
    if (!moved || labelInfo_.Label() != moved) return;
    TakeLabelPlace();
  });
}

void TWdgCustomControl::TakeLabelPlace() {
  labelInfo_.SetVisibleQuietly(true);
  const QPoint present = PresentOffsets();
  labelInfo_.SetOffsets(present.x(), present.y());
}

void TWdgCustomControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Post(this, [this] {
    if (AfterEnter) AfterEnter(this);
  });
}

void TWdgCustomControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  Post(this, [this] {
    if (AfterExit) AfterExit(this);
  });
}

bool TWdgCustomControl::MouseWheel(TWdgShiftState shift, qint16 delta, qint16 x, qint16 y) {
  if (!OnMouseWheel) return false;
  OnMouseWheel(this, shift, delta, x, y);
  return true;
}

void TWdgCustomControl::wheelEvent(QWheelEvent* event) {
  const QPoint screen = event->globalPosition().toPoint();
  const auto shift = WdgShiftState(event->modifiers(), event->buttons());
  if (MouseWheel(shift, qint16(event->angleDelta().y()), qint16(screen.x()), qint16(screen.y())))
    event->accept();
  else
    QWidget::wheelEvent(event);
}
