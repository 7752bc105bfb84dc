#pragma once
// The action chooser "Select Action": the kinds of action in a list; a click on one
// chooses its target at once and closes the window, with OK when a target was chosen.
#include <QDialog>

class QListWidget;
class QListWidgetItem;
class tActnChoice;

class TfmActnSelect : public QDialog {
  Q_OBJECT
public:
  explicit TfmActnSelect(tActnChoice& choice, QWidget* parent = nullptr);

private:
  void EntryClicked(QListWidgetItem* item);

  tActnChoice& choice_;
  QListWidget* lbActn_;
};
