#pragma once
// "Machine Maintenance" of one machine, which it edits in place on Save. A machine without a
// register driver gets one from the model choice before the window opens.
//
// Save checks, in this order, stopping at the first failure with its message and the focus
// on its field: a new machine's id, or a changed id of an existing one, already in use
// (letter case ignored; the comparison with the machine's own id counts case); an empty
// Machine ID, Program ID or Comm Port; no baud rate chosen; a number field that is no whole
// number. Only then is anything copied into the machine.
//
// Every change the user makes to "Program ID" renames all the driver's programs at once;
// Cancel puts back the Program IDs the programs had when the window opened.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QFormLayout;
class QLineEdit;
class tMachine;
struct MachineMaintRequest;

class TfmMachineMaint : public QDialog {
  Q_OBJECT
public:
  explicit TfmMachineMaint(MachineMaintRequest& request, QWidget* parent = nullptr);

  void reject() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Load();
  void Save();
  void EditEcr();
  void PickPort();
  void Print();
  void Help();
  void ProgramIdEdited(const QString& text);
  void RestoreProgramIds();
  // Tells the user and puts the focus on the field.
  void Refuse(bool error, const QString& text, QWidget* field);
  bool IdInUse(const QString& id) const;
  QLineEdit* AddEdit(QFormLayout* form, const char* label, const char* name);

  tMachine& machine_;
  bool isNew_;
  QStringList usedIds_;
  QStringList programIds_; // 0: the machine's ProgramID, 1..n: its programs' at opening
  QLineEdit* id_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* state_ = nullptr;
  QLineEdit* zip_ = nullptr;
  QLineEdit* phone_ = nullptr;
  QLineEdit* fax_ = nullptr;
  QLineEdit* contact1_ = nullptr;
  QLineEdit* contact2_ = nullptr;
  QLineEdit* mfg_ = nullptr;
  QLineEdit* model_ = nullptr;
  QLineEdit* rom_ = nullptr;
  QLineEdit* programId_ = nullptr;
  QLineEdit* machineNumber_ = nullptr;
  QLineEdit* storeNumber_ = nullptr;
  QLineEdit* commPort_ = nullptr;
  QComboBox* baudRate_ = nullptr;
  QLineEdit* dialStr_ = nullptr;
  QComboBox* switchType_ = nullptr;
  QLineEdit* switchNumber_ = nullptr;
  QLineEdit* currency_ = nullptr;
};
