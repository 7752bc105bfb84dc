#pragma once
// The caption label a control keeps above itself. It is owned by the control's parent, follows
// the control's moves and visibility, and when it is moved itself the control takes its new
// place as the offsets to keep.
#include <QLabel>
#include <QPointer>

class TWdgCustomControl;

class TWdgAttachedLabel : public QLabel {
  Q_OBJECT

public:
  explicit TWdgAttachedLabel(QWidget* parent = nullptr);
  // A label of the control: Control is set first, then the label gives the focus to it.
  static TWdgAttachedLabel* CreateForControl(QWidget* parent, TWdgCustomControl* control);

  TWdgCustomControl* Control() const;
  void SetControl(TWdgCustomControl* control);
  // Fits the label to its text, as captions of the library do.
  void SetCaption(const QString& caption);

protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void BoundsChanged();

  QPointer<TWdgCustomControl> control_;
};
