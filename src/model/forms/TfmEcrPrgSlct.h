#pragma once
// The program selector: the offered programs, sorted. For one program a click chooses it
// and closes the window with OK; for several the user selects any number and confirms with
// Accept (which does nothing while the list is empty). Cancel chooses nothing.
#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class tEcrSelection;

class TfmEcrPrgSlct : public QDialog {
  Q_OBJECT
public:
  explicit TfmEcrPrgSlct(tEcrSelection& selection, QWidget* parent = nullptr);

  // Forgets any choice and closes with Cancel; also what a timer of an idle session calls.
  void Cancel();

private:
  void Clicked(QListWidgetItem* item);
  void AcceptClick();

  tEcrSelection& selection_;
  QListWidget* list_;
  QLabel* label_;
  QPushButton* accept_;
  QPushButton* cancel_;
};
