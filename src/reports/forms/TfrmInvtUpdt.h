#pragma once
// The inventory export's window: the output file on record, "Select Poll" to write polls
// into it and "Change File" to name another. Without a file on record it asks for one at
// once and, when none is given, closes without showing (ClosedAtOnce).
#include <QDialog>

class QLineEdit;

class TfrmInvtUpdt : public QDialog {
  Q_OBJECT
public:
  explicit TfrmInvtUpdt(QWidget* parent = nullptr);
  bool ClosedAtOnce() const { return closedAtOnce_; }

  void btnOutputClick();
  void Button1Click();

private:
  QLineEdit* edtOutFile_;
  bool closedAtOnce_ = false;
};
