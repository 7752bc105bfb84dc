#pragma once
// What the two program actions share: the target program (Prg), its copy into the
// machine's driver, its options and its stream form. The run-time parent of both stays
// tActn: this class adds no run-time class of its own and is never stored.
#include "comm/actions/tActn.h"
#include "model/tEcr.h"

class tEcrPrg;

class tActnPrg : public tActn {
public:
  ~tActnPrg() override;

  // Clears the target.
  void Create(const tMachine* machine, const tEcr* driver) override;

  // The target program, owned by the action, or nullptr.
  tEcrPrg* Prg() const { return prg_.get(); }
  // The target becomes a copy of the program, moved into the driver of the action's machine.
  void SetPrg(const tEcrPrg* prg);
  // The target becomes the program itself, moved into the driver of the action's machine.
  void AdoptPrg(std::unique_ptr<tEcrPrg> prg);

  // The program's name.
  QString GetSubTitle() const override;
  // The program selector in the action's mode, then the chosen program's options.
  bool SelectTarget(const tEcr& driver) override;
  bool TargetAttached() const override;
  bool EditActn() override;

  // The tActn fields, then the program as a nested object. A program that cannot be
  // written is stored as none, after a message with WriteFailedText.
  static void ReadPrgActn(TObject& obj, TObjectReader& reader);
  static void WritePrgActn(const TObject& obj, TObjectWriter& writer);

protected:
  explicit tActnPrg(TBlank blank);
  virtual tEcr::PrgMode SelectMode() const = 0;
  virtual QString WriteFailedText() const = 0;

private:
  std::unique_ptr<tEcrPrg> prg_;
};
