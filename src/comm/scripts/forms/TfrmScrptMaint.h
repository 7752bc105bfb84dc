#pragma once
// "Script Maintenance": one script's id and its ordered actions. The window works on its
// own copies of the actions; the script changes only on Accept, which refuses a script
// without actions, an empty id and an id another stored script has (letter case ignored).
#include <QDialog>
#include <QStringList>
#include <memory>
#include <vector>

class QLineEdit;
class QListWidget;
class tActn;
class tEcr;
class tMachine;
class tScrpt;

class TfrmScrptMaint : public QDialog {
  Q_OBJECT
public:
  TfrmScrptMaint(tScrpt& script, const tMachine* machine, QWidget* parent = nullptr);
  ~TfrmScrptMaint() override;

private:
  void AddActions();
  void EditAction();
  void DeleteAction();
  // -1 up, +1 down.
  void Move(int step);
  void Accept();
  void Help();
  void InsertAction(std::unique_ptr<tActn> actn);

  tScrpt& script_;
  const tMachine* machine_;
  std::unique_ptr<tEcr> driver_;
  QStringList storedIds_;
  std::vector<std::unique_ptr<tActn>> actions_; // one an entry of lbActns, in its order
  QLineEdit* edScrptId_;
  QLineEdit* edEcrType_;
  QListWidget* lbActns_;
};
