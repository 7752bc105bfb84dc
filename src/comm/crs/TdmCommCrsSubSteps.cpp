// The sub-steps of a report read and a program send: the consolidation (0xC0/0xC1), the
// clear of the report flag (0xB0) and the status check (0xA0). Each remembers the step
// that called it and hands back to it at its end, with GotStat or GotErr.
#include "comm/crs/TdmCommCrs.h"

#include "comm/crs/CrsFrame.h"
#include "comm/crs/CrsRptCodes.h"
#include "model/CrsRptParams.h"
#include "comm/crs/CrsStatus.h"
#include "comm/crs/CrsTiming.h"
#include "comm/link/TSclDataPacket.h"
#include "model/tEcrRpt.h"

#include <QTimer>

// A command that timed out or was NAKed ("T" or "N" on the progress line) goes again from
// `from` while retries remain: true when it went again; otherwise the transfer has failed.
bool TdmCommCrs::RetryCmnd(PollState from) {
  ShowStatusMsg(QLatin1String(Msg == TimeOut ? "T" : "N"));
  if (CmdRetries >= CrsTiming::Times(CrsTiming::CmdRetries)) {
    State = PollFailed;
    return false;
  }
  ++CmdRetries;
  State = from;
  CallStep();
  return true;
}

// The rows every command shares while it waits for its answer: a bad frame is NAKed after
// the pause, a line error lets the wait run on, a time-out or a NAK sends the command again.
bool TdmCommCrs::CmdAnswerRetry(PollState from) {
  switch (Msg) {
  case BadCrc:
    PauseThen(CrsTiming::Ms(CrsTiming::BadCrcWait), [this] {
      SendNak();
      EndIfEnded();
    });
  case CommErr:
    TmrBlock->start();
    Enable({scpEot, scpBlk, scpNak});
    return false;
  case TimeOut:
  case GotNak:
    return RetryCmnd(from);
  default:
    return false;
  }
}

// Hands over to the status check, as the consolidation and the clear do once answered.
void TdmCommCrs::ToStatusCheck() {
  Enable({scpEot, scpBlk});
  BlkRetries = 0;
  PauseThen(CrsTiming::Ms(CrsTiming::BeforeStatus), [this] {
    State = PollGetStatus;
    GetStatusStep();
  });
}

// The consolidation's and the clear's answer: an EOT (or a DLE ACK, taken the same way)
// hands over to the status check, whose result ends the sub-step. True when the step was
// handed over or its command went again.
bool TdmCommCrs::AnsweredThenStatus() {
  if (State == PollGetStatus) {
    State = Msg == GotStat ? PollDone : PollFailed;
    return false;
  }
  if (State != PollSntCmnd) return false;
  if (Msg == GotErr) {
    State = PollFailed;
    return false;
  }
  if (Msg == GotEot || Msg == GotAck) {
    ToStatusCheck();
    return true;
  }
  return CmdAnswerRetry(PollInit);
}

void TdmCommCrs::EnterSubStep(PollState entry, TStep& returnTo, void (TdmCommCrs::*self)()) {
  if (State != entry) return;
  returnTo = Step;
  SetStep(self);
  Msg = InitMsg;
  State = PollInit;
}

void TdmCommCrs::EndSubStep(TStep returnTo, PollState returnState) {
  const bool done = State == PollDone;
  TmrBlock->stop();
  Disable({scpBlk, scpEot, scpNak});
  Step = returnTo;
  Msg = done ? GotStat : GotErr;
  State = returnState;
  CallStep();
}

void TdmCommCrs::ConsldtStep() {
  EnterStep("Consldt-");
  EnterSubStep(PollCnsldt, CnsldtReturn, &TdmCommCrs::ConsldtStep); // from the report read
  switch (State) {
  case PollInit:
    if (Msg == InitMsg) {
      StartCmnd(CrsRptParams::IsReset(*Rpt) ? CrsCmd::CnsldtReset : CrsCmd::CnsldtRead);
      AddStatusLine(QStringLiteral("Consolidating ") + Rpt->GetRptName(), false);
      TraceMark(QStringLiteral("Consolidating_") + Rpt->GetRptName());
    }
    TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::Cnsldt));
    Enable({scpEot, scpAck});
    {
      const auto options = CrsRptCodes::CnsldtOptions(Rpt->GetRptCode(), CrsRptParams::Area(*Rpt), CrsRptParams::Print(*Rpt));
      SendCmnd(CmdCode, QByteArray(reinterpret_cast<const char*>(options.data()), qsizetype(options.size())));
    }
    break;
  default:
    if (AnsweredThenStatus()) return;
    break;
  }
  if (Ended()) EndSubStep(CnsldtReturn, PollCnsldt);
}

void TdmCommCrs::ClearRptFlgStep() {
  EnterStep("ClearRptFlg-");
  EnterSubStep(PollClearing, ClearReturn, &TdmCommCrs::ClearRptFlgStep); // from the report read
  switch (State) {
  case PollInit:
    if (Msg == InitMsg) {
      StartCmnd(CrsCmd::ClearFlag);
      AddStatusLine(QStringLiteral("Clear Flag "), false);
      TraceMark(QStringLiteral("Clear_Flag"));
    }
    // After sub-reports the report's own registers again.
    if (!SetRangeFromRpt()) {
      State = PollFailed;
      break;
    }
    TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::ClearFlag));
    Enable({scpEot, scpAck});
    CmndAfter(CrsTiming::Ms(CrsTiming::BeforeCmd), CrsCmd::ClearFlag, QByteArray(1, char(Rpt->GetRptCode())));
  default:
    if (AnsweredThenStatus()) return;
    break;
  }
  if (Ended()) EndSubStep(ClearReturn, PollClearing);
}

void TdmCommCrs::GetStatusStep() {
  EnterStep("GetStatus-");
  EnterSubStep(PollGetStatus, StatusReturn, &TdmCommCrs::GetStatusStep); // from a send or a sub-step
  switch (State) {
  case PollInit:
    if (Msg == InitMsg) {
      StartCmnd(CrsCmd::Status);
      StatPolls = 0;
      AddStatusLine(QStringLiteral("Status Check"), true);
      TraceMark(QStringLiteral("Status_Check"));
    }
    TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::Status));
    Enable({scpEot});
    CmndAfter(CrsTiming::Ms(CrsTiming::StatusCmdWait), CrsCmd::Status, QByteArray(1, '\0'));
  case PollSntCmnd:
    if (StatusSntCmnd()) return;
    break;
  default:
    break;
  }
  if (Ended()) EndSubStep(StatusReturn, PollGetStatus);
}

bool TdmCommCrs::StatusSntCmnd() {
  switch (Msg) {
  case GotBlock: // the answer is not acknowledged
    BlkRetries = 0;
    State = PollInit;
    ReactToStatus(quint8(CrsFrame::FirstRecordByte(RxBuf)));
    if (State != PollInit) return false;
    if (StatPolls > CrsTiming::Times(CrsTiming::StatusWaits)) {
      State = PollFailed;
      return false;
    }
    ++StatPolls;
    // The n-th wait lasts n times the step; its end sends the status command again.
    TmrBlock->setInterval(StatPolls * CrsTiming::Ms(CrsTiming::StatusWait));
    TmrBlock->start();
    return false;
  case GotErr:
  case GotEot:
    State = PollFailed;
    return false;
  default:
    return CmdAnswerRetry(PollInit);
  }
}

void TdmCommCrs::ReactToStatus(quint8 statusByte) {
  const int nibble = CrsStatus::Nibble(statusByte);
  const bool send = IsStep(StatusReturn, &TdmCommCrs::SndPrgStep);
  if (nibble == CrsStatus::PreviousCnsStatus && send) {
    State = PollDone;
    return;
  }
  TraceMark(CrsStatus::TraceText(statusByte));
  ShowStatusMsg(CrsStatus::ProgressText(statusByte));
  switch (nibble) {
  case CrsStatus::PreviousCnsStatus:
    if (StatPolls > CrsTiming::Times(CrsTiming::StatusSettle)) State = PollDone;
    break;
  case CrsStatus::PrePollDone:
    if (IsStep(StatusReturn, &TdmCommCrs::ConsldtStep)) State = PollDone;
    break;
  case CrsStatus::ClearDone:
    State = PollDone;
    break;
  case CrsStatus::PrePollError:
  case CrsStatus::ClearError:
    State = PollFailed;
    break;
  default: // processing, or a status that only asks to wait
    break;
  }
}
