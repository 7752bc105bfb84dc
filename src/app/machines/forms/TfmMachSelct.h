#pragma once
// "Machine List": the stored machines by id. Select (or a double click) gives a copy of the
// highlighted machine; Add Machine, Duplicate, Edit and Delete Machine change the stored
// machines, the first three through "Machine Maintenance"; Print Listing previews the
// listing of the listed machines. Opened for maintenance, Select is disabled and a double
// click edits.
#include <QDialog>

class QListWidget;
class tMachine;
struct MachineListRequest;

class TfmMachSelct : public QDialog {
  Q_OBJECT
public:
  explicit TfmMachSelct(MachineListRequest& request, QWidget* parent = nullptr);

  QStringList Entries() const;

private:
  void Select();
  void AddMachine();
  void Duplicate();
  void Edit();
  void DeleteMachine();
  void Listing();
  void Help();
  void Cancel();
  void DoubleClicked();
  QString SelectedId() const;
  // Runs "Machine Maintenance" on a new machine and stores it when saved.
  void AddNew(tMachine& machine);
  void SelectEntry(const QString& id);

  MachineListRequest& request_;
  QListWidget* list_;
};
