#include "widgets/WdgEntryFieldValidation.h"

#include "widgets/TWdgBaseEntryField.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
// The fields in the window's focus order.
std::vector<TWdgBaseEntryField*> FieldsInFocusOrder(QWidget* window) {
  std::vector<TWdgBaseEntryField*> fields;
  QWidget* widget = window;
  do {
    if (auto* field = qobject_cast<TWdgBaseEntryField*>(widget); field && field->window() == window)
      fields.push_back(field);
    widget = widget->nextInFocusChain();
  } while (widget && widget != window);
  // A field outside the focus chain is still checked.
  for (TWdgBaseEntryField* field : window->findChildren<TWdgBaseEntryField*>())
    if (std::find(fields.begin(), fields.end(), field) == fields.end()) fields.push_back(field);
  return fields;
}
} // namespace

bool ValidateEntryFields(QWidget* window) {
  if (!window) return true;
  auto* focused = qobject_cast<TWdgBaseEntryField*>(QApplication::focusWidget());
  if (focused && focused->window() == window->window() && !focused->ValidateForAccept())
    return false;
  for (TWdgBaseEntryField* field : FieldsInFocusOrder(window))
    if (field != focused && !field->ValidateForAccept()) return false;
  return true;
}
