#pragma once
// The base of the library's windowed controls: the caption label kept above the control, the
// AfterEnter and AfterExit notices that run once a focus change is complete, and the wheel
// notice with the keys and buttons held.
#include "widgets/TWdgLabelInfo.h"

#include <QFlags>
#include <QWidget>
#include <functional>

class TWdgAttachedLabel;

// The keys and mouse buttons held during a mouse event.
enum TWdgShiftStateFlag {
  ssShift = 0x01,
  ssAlt = 0x02,
  ssCtrl = 0x04,
  ssLeft = 0x08,
  ssRight = 0x10,
  ssMiddle = 0x20,
};
Q_DECLARE_FLAGS(TWdgShiftState, TWdgShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWdgShiftState)

TWdgShiftState WdgShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

class TWdgCustomControl : public QWidget {
  Q_OBJECT

public:
  explicit TWdgCustomControl(QWidget* parent = nullptr);
  ~TWdgCustomControl() override;

  TWdgLabelInfo& LabelInfo() { return labelInfo_; }
  const TWdgLabelInfo& LabelInfo() const { return labelInfo_; }
  // The attached label; ELabelNotAttached ("Label not attached") when LabelInfo is not Visible.
  TWdgAttachedLabel* AttachedLabel() const;
  // Puts the label OffsetX right of the control's left and its bottom OffsetY below the
  // control's top; the label keeps its size.
  void PositionLabel();

  QString About() const { return QStringLiteral("v1.0"); }

  void setVisible(bool visible) override;

  std::function<void(QObject*)> AfterEnter;
  std::function<void(QObject*)> AfterExit;
  // (sender, keys and buttons held, wheel delta (120 a notch), screen x, screen y)
  std::function<void(QObject*, TWdgShiftState, qint16, qint16, qint16)> OnMouseWheel;

  // From the attached label: it moved or changed size; the control records it and, after the
  // current event, takes its place as the new offsets.
  void LabelBoundsChanged(TWdgAttachedLabel* label);

protected:
  // Raises OnMouseWheel; true when a handler took it.
  virtual bool MouseWheel(TWdgShiftState shift, qint16 delta, qint16 x, qint16 y);

  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void LabelVisibleChanged();
  void MakeLabel();
  void FreeLabel();
  void Attach(TWdgAttachedLabel* label);
  void BoundsChanged();
  // Where the label stands now, as offsets from the control.
  QPoint PresentOffsets() const;
  void TakeLabelPlace();

  TWdgLabelInfo labelInfo_;
  bool boundsPosted_ = false;
};
