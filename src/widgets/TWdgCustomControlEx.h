#pragma once
// A control that works with its form's controller. It finds the controller when it is first
// made ready to show, not when it is built, so a control made before its controller is still
// bound: the first controller of its window, else a new "WdgController1" owned by the window.
// A control that stands alone, with no window around it, has none: ENoControllerAssigned.
#include "widgets/TWdgCustomControl.h"

#include <QPointer>

class TWdgController;

class TWdgCustomControlEx : public TWdgCustomControl {
  Q_OBJECT

public:
  explicit TWdgCustomControlEx(QWidget* parent = nullptr);

  // The controller, or nullptr; it is not owned, and becomes nullptr when it is destroyed.
  TWdgController* Controller() const;
  void SetController(TWdgController* controller);
  bool HasController() const { return !controller_.isNull(); }
  // The controller, found now when none is assigned yet. ENoControllerAssigned for a control
  // without a window around it.
  TWdgController& RequireController();

protected:
  bool event(QEvent* event) override;

private:
  QPointer<TWdgController> controller_;
};
