// Performing an action: the driver's own program or report takes the action's parameters
// and is transferred.
#include "comm/crs/TdmCommBase.h"

#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "store/containers/TArray.h"

namespace {
void CopyParams(const tEcrFnct& from, tEcrFnct& to) {
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) {
    to.SetIntParam(i, from.GetIntParam(i));
    to.SetCompParam(i, from.GetCompParamValue(i));
  }
}

// The driver's report of the same name, found as its report list compares reports.
tEcrRpt* FindRptLike(const tEcr& driver, const tEcrRpt& rpt) {
  const qint32 index = driver.Rpts() ? driver.Rpts()->IndexOf(&rpt) : 0;
  return index > 0 ? driver.Rpt(index) : nullptr;
}
} // namespace

void TdmCommBase::PerformActn(tActn& action) {
  const TClass& kind = action.ClassType();
  const bool send = &kind == &tActnPrgSnd::StaticClass();
  if (send || &kind == &tActnPrgRec::StaticClass()) {
    const tEcrPrg* prg = static_cast<tActnPrg&>(action).Prg();
    return prg ? PerformPrgActn(*prg, send) : ActnUnavailable(QStringLiteral("No program to transfer: ") + action.DispTitle());
  }
  if (&kind == &tActnRpt::StaticClass()) {
    tEcrRpt* rpt = static_cast<tActnRpt&>(action).Rpt();
    if (!rpt) return ActnUnavailable(QStringLiteral("No report to poll: ") + action.DispTitle());
    rpt->AutoReport = action.AutoReport;
    rpt->AutoExport = action.AutoExport;
    rpt->AppendExport = action.AppendExport;
    rpt->ExportFile = action.ExportFile;
    return PerformRptActn(*rpt);
  }
  LogLine(QStringLiteral("Action not implemented, [This should be an exceptions]"));
  FailActn();
}

void TdmCommBase::PerformPrgActn(const tEcrPrg& actnPrg, bool send) {
  const tEcr* driver = Machine ? Machine->Ecr() : nullptr;
  tEcrPrg* prg = driver ? driver->FindPrgByClass(actnPrg.ClassName()) : nullptr;
  if (!prg) return ActnUnavailable(QStringLiteral("Program not available for this register: ") + actnPrg.GetPrgName());
  CopyParams(actnPrg, *prg);
  send ? SendPrg(*prg) : ReceivePrg(*prg);
}

void TdmCommBase::PerformRptActn(const tEcrRpt& actnRpt) {
  const tEcr* driver = Machine ? Machine->Ecr() : nullptr;
  tEcrRpt* rpt = driver ? FindRptLike(*driver, actnRpt) : nullptr;
  if (!rpt) return ActnUnavailable(QStringLiteral("Report not available for this register: ") + actnRpt.GetRptName());
  CopyParams(actnRpt, *rpt);
  rpt->AutoReport = actnRpt.AutoReport;
  rpt->AutoExport = actnRpt.AutoExport;
  rpt->AppendExport = actnRpt.AppendExport;
  rpt->ExportFile = actnRpt.ExportFile;
  PollRpt(*rpt);
}

void TdmCommBase::ActnUnavailable(const QString& line) {
  AddStatusLine(line, true);
  FailActn();
}

void TdmCommBase::FailActn() {
  BeginTransfer();
  State = PollFailed;
  EndTransfer(MpmFailed);
}
