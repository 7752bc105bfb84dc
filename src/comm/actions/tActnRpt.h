#pragma once
// The action that polls a report from the register: its target is the report object with
// the parameters the user chose (Rpt).
#include "comm/actions/tActn.h"

class tEcrRpt;

class tActnRpt : public tActn {
  TB_OBJECT(tActnRpt)
public:
  explicit tActnRpt(TBlank blank);
  ~tActnRpt() override;

  // Clears the target.
  void Create(const tMachine* machine, const tEcr* driver) override;

  // The target report, owned by the action, or nullptr.
  tEcrRpt* Rpt() const { return rpt_.get(); }
  // The target becomes a copy of the report, moved into the driver of the action's machine.
  void SetRpt(const tEcrRpt* rpt);
  // The target becomes the report itself, moved into the driver of the action's machine.
  void AdoptRpt(std::unique_ptr<tEcrRpt> rpt);

  QString GetTitle() const override; // "REPORT POLL"
  // The report's name.
  QString GetSubTitle() const override;
  // The report selector, then the chosen report's options.
  bool SelectTarget(const tEcr& driver) override;
  bool TargetAttached() const override;
  bool EditActn() override;

  // The tActn fields, then the report as a nested object.
  static void ReadRptActn(TObject& obj, TObjectReader& reader);
  static void WriteRptActn(const TObject& obj, TObjectWriter& writer);

private:
  std::unique_ptr<tEcrRpt> rpt_;
};
