#pragma once
// The OK and Cancel buttons at the foot of a dialog, right-aligned in a row: "OK" (object
// name "btnOK", the default button) runs `ok`, "Cancel" ("btnCancel") rejects the dialog.
#include <functional>

class QDialog;
class QHBoxLayout;

QHBoxLayout* WdgOkCancelRow(QDialog& dialog, std::function<void()> ok);
