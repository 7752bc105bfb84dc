// The end of a report read: the clear of the report flag, the save, and the sub-reports
// of Time Period and Time Keeping, each read from the start with its own command.
//
// A read that fails after some of its reports were saved (Time Period saves itself before
// its sub-reports) removes what it saved, so a failed poll leaves no rows and a retry
// does not store the same poll twice.
#include "comm/crs/TdmCommCrs.h"

#include "comm/crs/CrsRptCodes.h"
#include "model/CrsRptParams.h"
#include "model/PollAutoExport.h"
#include "comm/link/TSclDataPacket.h"
#include "model/tEcrRpt.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

#include <QScopeGuard>
#include <QTimer>

bool TdmCommCrs::SaveRptOrFail() {
  try {
    SaveRpt();
    return true;
  } catch (const Exception& e) {
    AddStatusLine(e.Message(), true);
    Rpt->DeleteLastPoll();
    State = PollFailed;
    return false;
  }
}

bool TdmCommCrs::ReadRptClearing() {
  const int code = Rpt->GetRptCode();
  if (code == CrsRptCodes::TimePeriod || code == CrsRptCodes::TimeKeeping) return ReadRptClearingSub();
  if (!SaveRptOrFail()) return false;
  if (CrsRptCodes::IsSubRpt(code) && ParentRpt) return ReturnToParent();
  State = PollDone;
  return false;
}

// Time Period and Time Keeping: saved first, then their sub-reports, then the clear.
bool TdmCommCrs::ReadRptClearingSub() {
  const bool timePeriod = Rpt->GetRptCode() == CrsRptCodes::TimePeriod;
  switch (Msg) {
  case InitMsg:
    if (!SaveRptOrFail()) return false;
    Msg = DoneMsg;
    SubRptBit = 1;
    timePeriod ? SubRptStep() : ClkPnchsStep();
    return true;
  case DoneMsg:
    if (timePeriod && SubRptBit < 17) {
      SubRptStep();
      return true;
    }
    if (timePeriod || CrsRptParams::IsReset(*Rpt)) {
      ClearRptFlgStep();
    } else {
      State = PollDone;
      CallStep();
    }
    return true;
  default: // back from the clear, whatever its outcome
    State = PollDone;
    return false;
  }
}

// Back to the parent's read after a sub-report, saved or without data.
bool TdmCommCrs::ReturnToParent() {
  Rpt = ParentRpt;
  ParentRpt = nullptr;
  Msg = DoneMsg;
  State = PollClearing;
  CallStep();
  return true;
}

void TdmCommCrs::SaveRpt() {
  const auto closed = qScopeGuard([this] { WorkFile.Close(); });
  AddStatusLine(QStringLiteral("Saving Report to Database "), false);
  WriteBlockCount();
  // An export that fails after the save belongs in this session's log, not in a box.
  const PollAutoExport::ScopedLog exportLog([this](const QString& line) { AddStatusLine(line, false); });
  Rpt->ReadBlockFile(WorkFile.File());
  savedRpts_.push_back(Rpt);
  AddStatusLine(QStringLiteral("Save Completed"), false);
}

// Reads the next sub-report the request asks for; after the last, the clear.
void TdmCommCrs::SubRptStep() {
  const int wanted = CrsRptParams::SubRptMask(*Rpt);
  for (const CrsRptCodes::SubRpt& sub : CrsRptCodes::TimePeriodSubRpts()) {
    if (sub.bit < SubRptBit) continue;
    SubRptBit = quint8(sub.bit * 2);
    if (!(wanted & sub.bit)) continue;
    if (StartSubRpt(sub.className)) CallStep();
    return;
  }
  SubRptBit = 32;
  CallStep();
}

void TdmCommCrs::ClkPnchsStep() {
  if (CrsRptParams::SubRptMask(*Rpt) != 0 && !StartSubRpt(CrsRptCodes::ClockPunches().className)) return;
  CallStep();
}

// A new report object of the class, owned by the parent's driver and reading the parent's
// registers, becomes Rpt in PollInit. A class this program does not have fails the read.
bool TdmCommCrs::StartSubRpt(const char* className) {
  const QString name = QString::fromLatin1(className);
  const TClass* cls = nullptr;
  try {
    cls = &ClassByName(name);
  } catch (const EClassNotRegistered&) {
  }
  if (!cls || !cls->InheritsFrom(tEcrRpt::StaticClass()) || cls->IsAbstract()) {
    AddStatusLine(QStringLiteral("Report not available for this register: ") + name, true);
    State = PollFailed;
    CallStep();
    return false;
  }
  std::unique_ptr<tEcrRpt> sub(static_cast<tEcrRpt*>(tEcrFnct::CreateByClass(*cls, Rpt->Owner()).release()));
  CrsRptParams::SetRange(*sub, CrsRptParams::RangeFirst(*Rpt), CrsRptParams::RangeLast(*Rpt));
  ParentRpt = Rpt;
  Rpt = sub.get();
  subRpts_.push_back(std::move(sub));
  State = PollInit;
  return true;
}

void TdmCommCrs::EndReadRpt() {
  const bool done = State == PollDone;
  if (!done) ShowStatusMsg(QStringLiteral("F"));
  TmrBlock->stop();
  Disable({scpBlk, scpEot, scpNak});
  WorkFile.Close();
  if (ParentRpt) Rpt = ParentRpt;
  ParentRpt = nullptr;
  ForgetSubRpts(!done);
  EndTransfer(done ? MpmSuccessfull : MpmFailed);
  TraceMark(QStringLiteral("ReadRptCmplt-") + PollStateName(State));
}

void TdmCommCrs::ForgetSubRpts(bool failed) {
  if (failed) {
    for (auto it = savedRpts_.rbegin(); it != savedRpts_.rend(); ++it) {
      try {
        (*it)->DeleteLastPoll();
      } catch (const Exception& e) {
        AddStatusLine(e.Message(), true);
      }
    }
  }
  savedRpts_.clear();
  subRpts_.clear();
}
