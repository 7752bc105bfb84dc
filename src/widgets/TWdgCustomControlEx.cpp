#include "widgets/TWdgCustomControlEx.h"

#include "widgets/TWdgController.h"
#include "widgets/core/WdgExceptionDisplay.h"
#include "widgets/core/WdgExceptions.h"

#include <QEvent>

TWdgCustomControlEx::TWdgCustomControlEx(QWidget* parent) : TWdgCustomControl(parent) {}

TWdgController* TWdgCustomControlEx::Controller() const { return controller_; }

void TWdgCustomControlEx::SetController(TWdgController* controller) { controller_ = controller; }

TWdgController& TWdgCustomControlEx::RequireController() {
  if (!controller_) {
    if (isWindow()) {
      // Standing alone: a controller it made would be its own child, shared with nobody.
      controller_ = TWdgController::FindIn(this);
      if (!controller_) throw ENoControllerAssigned();
    } else {
      controller_ = TWdgController::For(this);
    }
  }
  return *controller_;
}

bool TWdgCustomControlEx::event(QEvent* event) {
  // Polished once, before the control is first shown: the moment its window is made.
  if (event->type() == QEvent::Polish) WdgRunGuarded([this] { RequireController(); });
  return TWdgCustomControl::event(event);
}
