// Reading a report (command 0xD0): consolidation and status check first for the codes that
// need them, then the blocks, each acknowledged, into the work file.
#include "comm/crs/TdmCommCrs.h"

#include "comm/crs/CrsFrame.h"
#include "comm/crs/CrsLinkBytes.h"
#include "comm/crs/CrsRptCodes.h"
#include "model/CrsRptParams.h"
#include "comm/crs/CrsTiming.h"
#include "comm/link/TSclDataPacket.h"
#include "model/tEcrRpt.h"

#include <QTimer>

void TdmCommCrs::ReadRptStep() {
  EnterStep("ReadRpt-");
  bool handedOver = false;
  switch (State) {
  case PollInit: handedOver = ReadRptInit(); break;
  case PollCnsldt:
    if (Msg == GotStat) {
      Msg = InitMsg;
      State = PollSendCmnd;
      return CallStep();
    }
    if (Msg == GotErr) State = PollFailed;
    break;
  case PollSendCmnd: ReadRptSendCmnd();
  case PollSntCmnd: handedOver = ReadRptSntCmnd(); break;
  case PollNextBlk:
    if (Msg == GotEot) {
      Disable({scpEot, scpBlk, scpNak}); // the register has said all it will until the next command
      State = PollGood;
      return CallStep();
    }
    ReadRptNextBlk();
    break;
  case PollGood: handedOver = ReadRptGood(); break;
  case PollClearing: handedOver = ReadRptClearing(); break;
  default: break;
  }
  if (!handedOver && Ended()) EndReadRpt();
}

bool TdmCommCrs::ReadRptInit() {
  if (!SetRangeFromRpt()) {
    State = PollFailed;
    return false;
  }
  if (!CrsRptCodes::NeedsCnsldt(Rpt->GetRptCode())) {
    Msg = InitMsg;
    State = PollSendCmnd;
    CallStep();
  } else {
    State = PollCnsldt;
    ConsldtStep(); // a sub-step: it keeps this step to hand back to
  }
  return true;
}

// The range of every report command is the report's own; a
// sub-report has its parent's.
bool TdmCommCrs::SetRangeFromRpt() {
  const int first = CrsCmd::ToBcd(CrsRptParams::RangeFirst(*Rpt)), last = CrsCmd::ToBcd(CrsRptParams::RangeLast(*Rpt));
  if (first < 0 || last < 0) {
    AddStatusLine(QStringLiteral("Register range %1 to %2 is not one of 0 to 99")
                      .arg(CrsRptParams::RangeFirst(*Rpt)).arg(CrsRptParams::RangeLast(*Rpt)), true);
    return false;
  }
  CmdParams.first = quint8(first);
  CmdParams.last = quint8(last);
  return true;
}

void TdmCommCrs::ReadRptSendCmnd() {
  if (Msg == InitMsg) {
    StartCmnd(CrsCmd::ReadRpt);
    AddStatusLine(QStringLiteral("Reading Report ") + Rpt->GetRptName(), true);
    TraceMark(QStringLiteral("Reading_Report_") + Rpt->GetRptName());
  }
  TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::ReadRpt));
  Enable({scpEot});
  CmndAfter(CrsTiming::Ms(CrsTiming::BeforeCmd), CrsCmd::ReadRpt, QByteArray(1, char(Rpt->GetRptCode())));
}

bool TdmCommCrs::ReadRptSntCmnd() {
  switch (Msg) {
  case GotBlock:
    ShowStatusMsg(QStringLiteral("I"));
    Enable({scpEot, scpBlk});
    BlkRetries = 0;
    FirstBlk = quint16(CrsFrame::BlockNumber(RxBuf) + 1);
    LastBlk = quint8(CrsFrame::BlockNumber(RxBuf));
    CreateWorkFile();
    AckBlock(CrsTiming::Ms(CrsTiming::RptAckWait), [this] { State = PollNextBlk; });
  case GotErr:
    State = PollFailed;
    break;
  case GotEot:
    ShowStatusMsg(QStringLiteral(" No Data"));
    // A sub-report without data does not end its parent's read.
    if (ParentRpt) return ReturnToParent();
    State = PollDone;
    break;
  default:
    return CmdAnswerRetry(PollSendCmnd);
  }
  return false;
}

// Blocks count down: the next one carries the last stored number less one; a repeat of
// the last one (our acknowledgement was lost) is acknowledged and dropped ("D"); any other
// number fails the read ("M").
void TdmCommCrs::ReadRptNextBlk() {
  switch (Msg) {
  case GotBlock: {
    ShowStatusMsg(QStringLiteral("P"));
    BlkRetries = 0;
    Enable({scpEot, scpBlk, scpNak});
    CurBlk = quint8(CrsFrame::BlockNumber(RxBuf));
    ShowStatusMsg(QLatin1Char('[') + QString::number(CurBlk) + QStringLiteral("] "));
    const bool repeat = CurBlk == LastBlk;
    if (!repeat && CurBlk + 1 != LastBlk) {
      ShowStatusMsg(QStringLiteral("M"));
      State = PollFailed;
      break;
    }
    if (repeat) ShowStatusMsg(QStringLiteral("D"));
    else AppendBlock();
    AckBlock(CrsTiming::Ms(CrsTiming::RptAckWait), [this] { LastBlk = CurBlk; });
  }
  case TimeOut:
    ShowStatusMsg(QStringLiteral("T"));
    SendNak();
    break;
  case BadCrc:
    SendNak();
    break;
  case CommErr:
    TmrBlock->start();
    Enable({scpEot, scpBlk, scpNak});
    break;
  case GotNak: // the register missed our acknowledgement: it goes again
    if (++BlkRetries > CrsTiming::Times(CrsTiming::BlkRetries)) {
      State = PollFailed;
      break;
    }
    Msg = SentNak;
    SendCtrl(char(CrsLink::ACK));
    break;
  default:
    break;
  }
}

bool TdmCommCrs::ReadRptGood() {
  ShowStatusMsg(QStringLiteral("E"));
  const int code = Rpt->GetRptCode();
  State = PollClearing;
  if (CrsRptCodes::SavesFirst(code) || (CrsRptCodes::ClearsInResetOnly(code) && !CrsRptParams::IsReset(*Rpt))) {
    Msg = InitMsg;
    CallStep();
  } else {
    ClearRptFlgStep();
  }
  return true;
}
