// Performing an action: the driver's own program or report takes the action's parameters
// and is transferred.
#include "comm/crs/TdmCommBase.h"

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
  BeginTransfer();
  State = PollFailed;
  EndTransfer(MpmFailed);
}
