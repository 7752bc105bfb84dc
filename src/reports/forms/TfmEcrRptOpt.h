#pragma once
// The frame of every report option dialog: a main panel for the options and, below them,
// the panel of buttons: Accept (the default button), Cancel and Help. The dialog edits the
// integer parameters of its report: it loads them when it is made, and Accept stores them,
// after every entry field has passed its check (a field that fails keeps the dialog open,
// with the focus and one error box). Cancel, or closing the window, stores nothing.
#include <QDialog>

class QPushButton;
class QVBoxLayout;
class tEcrRpt;

class TfmEcrRptOpt : public QDialog {
  Q_OBJECT
public:
  explicit TfmEcrRptOpt(tEcrRpt& report, QWidget* parent = nullptr);

  tEcrRpt& Report() const { return report_; }
  void accept() override;

protected:
  // The layout of the main panel, for the options.
  QVBoxLayout* Options() const { return options_; }
  // Copy the report's parameters into the controls, and back. Nothing in the frame; a
  // derived dialog calls LoadParams at the end of its constructor.
  virtual void LoadParams() {}
  virtual void StoreParams() {}

private:
  tEcrRpt& report_;
  QVBoxLayout* options_;
  QPushButton* accept_;
};
