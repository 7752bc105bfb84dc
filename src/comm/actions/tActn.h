#pragma once
// An action: one thing to do with a register during a communication session. The three
// kinds are sending a program table (tActnPrgSnd), receiving one (tActnPrgRec) and polling
// a report (tActnRpt); each carries its target, the program or report object with the
// parameters the user chose. A job carries one action, a script a list of them, and the
// protocol module performs the action of the running job.
//
// An action knows the register model it was made for (the driver class and its model
// name) and owns a copy of its machine. The target of an action that belongs to a machine
// has that machine copy's driver as its owner, so the protocol module works through it.
// Four options for what happens after a report has been saved travel with the action in
// memory only.
//
// Stream form, version 1: ModelName, the driver class name ("" for none), then for the
// descendants the target as a nested object. The machine and the four options are not
// stored: a read action has false options, and takes the machine named by
// LastActnMachineId (see ActnMachineId.h), moving its target into that machine's driver.
#include "platform/sys/TObject.h"

#include <QString>
#include <memory>

class TObjectReader;
class TObjectWriter;
class tEcr;
class tMachine;

class tActn : public TObject {
  TB_OBJECT(tActn)
public:
  explicit tActn(TBlank blank);
  ~tActn() override;
  tActn(const tActn&) = delete;
  tActn& operator=(const tActn&) = delete;

  // A new action of the class (tActn or a descendant) built with Create.
  static std::unique_ptr<tActn> New(const TClass& cls, const tMachine* machine, const tEcr* driver);
  template <class T> static std::unique_ptr<T> New(const tMachine* machine, const tEcr* driver) {
    auto actn = std::make_unique<T>(TBlank{});
    actn->Create(machine, driver);
    return actn;
  }

  // The set-up: a copy of the machine (none without one), whose id is then published as
  // LastActnMachineId, and the driver's class and model name (none without a driver). The
  // descendants then clear their target.
  virtual void Create(const tMachine* machine, const tEcr* driver);

  QString ModelName;
  const TClass* EcrClass = nullptr;
  bool AutoReport = false;   // print the report after it has been saved
  bool AutoExport = false;   // export the report after it has been saved
  bool AppendExport = false; // append to the export file
  QString ExportFile;

  // The action's own copy of its machine, or nullptr.
  tMachine* Machine() const { return machine_.get(); }
  void SetMachine(std::unique_ptr<tMachine> machine);

  // Empty here; the name of the target program or report in the descendants.
  virtual QString GetSubTitle() const;
  // "UNDEFINED" here.
  virtual QString GetTitle() const;
  // Lets the user choose the target from the driver and set its options: true when one
  // was chosen and its options accepted. The new target joins the driver of the action's
  // machine, when the action has one. None here.
  virtual bool SelectTarget(const tEcr& driver);
  // True when the target exists and belongs to a driver.
  virtual bool TargetAttached() const;
  // The target's options again: their result; false without a target (nothing shown).
  virtual bool EditActn();
  // The title, with " - " and the sub-title when there is one ("REPORT POLL - Financial").
  QString DispTitle() const;

  // The action chooser "Select Action". Without an action: the user picks a kind and its
  // target, and action becomes a new action for the machine, or stays nullptr when the
  // user cancelled. With an action: its target is chosen again from the driver; when the
  // user cancels, the action is freed and action is nullptr.
  static void SelectActn(const tMachine* machine, std::unique_ptr<tActn>& action, const tEcr& driver);

  // The stream form of the fields of tActn; the descendants read and write them first.
  static void ReadActn(TObject& obj, TObjectReader& reader);
  static void WriteActn(const TObject& obj, TObjectWriter& writer);

protected:
  // The driver of the machine copy, which the target belongs to, or nullptr.
  tEcr* MachineEcr() const;

private:
  std::unique_ptr<tMachine> machine_;
};

// A deep copy of the action that belongs to the same machine: the action's machine id is
// published for the copy only, so the copy cannot take a machine another context named.
std::unique_ptr<tActn> CopyActn(const tActn& actn);
