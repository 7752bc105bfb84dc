#pragma once
// The report selector: the driver's report names, sorted; a click chooses one and closes
// the window with OK, Cancel chooses nothing.
#include <QDialog>

class QListWidget;
class QListWidgetItem;
class tEcrSelection;

class TfmEcrRptSlct : public QDialog {
  Q_OBJECT
public:
  explicit TfmEcrRptSlct(tEcrSelection& selection, QWidget* parent = nullptr);

  // Forgets any choice and closes with Cancel.
  void Cancel();

private:
  void Clicked(QListWidgetItem* item);

  tEcrSelection& selection_;
  QListWidget* list_;
};
