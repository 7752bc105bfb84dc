#pragma once
// The fixture of the action tests: two stored machines ("Front" and "Back") with the test
// driver, no machine id published, and actions made with targets.
#include "ActnDoubles.h"
#include "model/ModelFixture.h"

#include "comm/actions/ActnMachineId.h"
#include "comm/actions/tActn.h"
#include "comm/actions/tActnPrg.h"
#include "comm/actions/tActnRpt.h"
#include "model/MachineList.h"
#include "model/tMachine.h"

class ActnFixture : public ModelFixture {
protected:
  ActnFixture() {
    CloseMachineFile();
    ActnDoubles::StoreMachine(QStringLiteral("Front"));
    ActnDoubles::StoreMachine(QStringLiteral("Back"));
  }
  ~ActnFixture() override { CloseMachineFile(); }

  // An action of the class for the machine "Front", its target the driver's object of
  // that name with parameters set, and all four options set.
  std::unique_ptr<tActn> MakeActn(const TClass& cls, const QString& target = QString()) {
    std::unique_ptr<tActn> actn = tActn::New(cls, front.get(), driver.get());
    if (auto* prg = dynamic_cast<tActnPrg*>(actn.get())) {
      std::unique_ptr<tEcrPrg> source = driver->FindPrgByName(target.isEmpty() ? QStringLiteral("Alpha") : target);
      source->SetIntParam(3, 7);
      source->SetCompParam(9, 123456789012LL);
      prg->SetPrg(source.get());
    } else if (auto* rpt = dynamic_cast<tActnRpt*>(actn.get())) {
      std::unique_ptr<tEcrRpt> source = driver->FindRptByName(target.isEmpty() ? QStringLiteral("Financial") : target);
      source->SetIntParam(3, 7);
      source->SetCompParam(9, 123456789012LL);
      rpt->SetRpt(source.get());
    }
    actn->AutoReport = actn->AutoExport = actn->AppendExport = true;
    actn->ExportFile = QStringLiteral("out.txt");
    return actn;
  }

  TActnMachineScope noMachine{QString()};
  std::unique_ptr<tEcr> driver = ActnDoubles::NewDriver();
  std::unique_ptr<tMachine> front = ActnDoubles::NewMachine(QStringLiteral("Front"));
};


// The target of any kind of action.
inline tEcrFnct* Target(const tActn& actn) {
  if (auto* prg = dynamic_cast<const tActnPrg*>(&actn)) return prg->Prg();
  if (auto* rpt = dynamic_cast<const tActnRpt*>(&actn)) return rpt->Rpt();
  return nullptr;
}
