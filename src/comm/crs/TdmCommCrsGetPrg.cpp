// Receiving a program table (command 0xE0), which is also the logon.
#include "comm/crs/TdmCommCrs.h"

#include "comm/crs/CrsFrame.h"
#include "comm/crs/CrsLinkBytes.h"
#include "comm/crs/CrsTiming.h"
#include "comm/link/TSclCustomComPort.h"
#include "comm/link/TSclDataPacket.h"
#include "model/tEcrPrg.h"

#include <QTimer>

void TdmCommCrs::GetPrgStep() {
  EnterStep("GetPrg-");
  switch (State) {
  case PollInit:
    if (GetPrgInit()) return;
    break;
  case PollSntCmnd:
    if (GetPrgSntCmnd()) return;
    break;
  case PollNextBlk:
    if (Msg == GotEot) {
      Disable({scpEot, scpBlk, scpNak}); // the register has said all it will until the next command
      State = PollGood;
      return CallStep();
    }
    GetPrgNextBlk();
    break;
  case PollGood:
    GetPrgGood();
    break;
  default:
    Unexpected();
  }
  if (Ended()) EndGetPrg();
}

bool TdmCommCrs::GetPrgInit() {
  if (Msg == InitMsg) {
    PrepareTransfer(CrsCmd::PrgReceive);
    AddStatusLine(QStringLiteral("Saving Program ") + Prg->GetPrgName(), true);
    TraceMark(QStringLiteral("Saving_Program_") + Prg->GetPrgName());
  }
  TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::PrgReceiveCmd));
  Enable({scpEot});
  SendCmnd(CrsCmd::PrgReceive, QByteArray(1, char(Prg->GetPrgCode())));
  return false;
}

bool TdmCommCrs::GetPrgSntCmnd() {
  switch (Msg) {
  case GotBlock:
    ShowStatusMsg(QStringLiteral("P"));
    Enable({scpEot, scpBlk});
    CurBlk = quint8(CrsFrame::BlockNumber(RxBuf));
    ShowStatusMsg(QLatin1Char('[') + QString::number(CurBlk + 1) + QStringLiteral("] "));
    BlkRetries = 0;
    TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::PrgReceiveBlock));
    AckBlock(CrsTiming::Ms(CrsTiming::PrgAckWait), [this] {
      CreateWorkFile();
      lastBlock_ = RxBuf;
      State = PollNextBlk;
    });
  case GotEot:
    ShowStatusMsg(QStringLiteral(" Nothing allocated"));
    State = PollDone;
    break;
  case BadCrc:
  case CommErr:
    return CmdAnswerRetry(PollInit);
  case GotNak: // the command goes again, not counted as a re-send; a register that NAKs
               // it again and again is given up on as a silent one is
    ShowStatusMsg(QStringLiteral("N"));
    if (++CmdNaks > CrsTiming::Times(CrsTiming::CmdNaks)) {
      State = PollFailed;
      break;
    }
    State = PollInit;
    CallStep();
    return true;
  case TimeOut: {
    bool inputWaits = false;
    try {
      // A frame that has begun to arrive is input too, though its packet has taken it in.
      inputWaits = ComPort && ComPort->InputCount() + scpBlk->HeldCount() != 0;
    } catch (const Exception&) {
      State = PollFailed;
      break;
    }
    if (inputWaits) {
      ShowStatusMsg(QStringLiteral("G"));
      SendNak();
      break;
    }
    if (RetryCmnd(PollInit)) return true;
    break;
  }
  default:
    Unexpected();
  }
  return false;
}

void TdmCommCrs::GetPrgNextBlk() {
  switch (Msg) {
  case GotBlock:
    AckProgramBlock(RxBuf != lastBlock_);
    break;
  case BadCrc:
    Enable({scpEot, scpBlk});
    SendNak();
    break;
  case CommErr:
    TmrBlock->start();
    break;
  case GotNak:
    ShowStatusMsg(QStringLiteral("N"));
    LogLine(QStringLiteral("Unexpeced NAK"));
    break;
  case TimeOut: // our acknowledgement may have been lost: it goes again
    ShowStatusMsg(QStringLiteral("T"));
    if (++BlkRetries > CrsTiming::Times(CrsTiming::BlkRetries)) {
      State = PollFailed;
      break;
    }
    Msg = SentNak;
    if (SendCtrl(char(CrsLink::ACK))) TmrBlock->start();
    break;
  default:
    Unexpected();
  }
}

// A block after the first. One that repeats the block stored last byte for byte is the
// register sending it again because our acknowledgement was lost: it is acknowledged
// again ("D") and not stored twice.
void TdmCommCrs::AckProgramBlock(bool store) {
  ShowStatusMsg(QStringLiteral("P"));
  CurBlk = quint8(CrsFrame::BlockNumber(RxBuf));
  ShowStatusMsg(QLatin1Char('[') + QString::number(CurBlk + 1) + QStringLiteral("] "));
  if (!store) ShowStatusMsg(QStringLiteral("D"));
  BlkRetries = 0;
  Enable({scpEot, scpBlk});
  AckBlock(CrsTiming::Ms(CrsTiming::PrgAckWait), [this, store] {
    if (!store) return;
    AppendBlock();
    lastBlock_ = RxBuf;
  });
}

void TdmCommCrs::GetPrgGood() {
  ShowStatusMsg(QStringLiteral("E"));
  AddStatusLine(QStringLiteral("Saving Program to Database "), false);
  try {
    WriteBlockCount();
    Prg->ReadBlockFile(WorkFile.File());
    WorkFile.Close();
    ShowStatusMsg(QStringLiteral("Completed."));
    State = PollDone;
  } catch (const Exception& e) {
    WorkFile.Close();
    AddStatusLine(e.Message(), true);
    State = PollFailed;
  }
}

void TdmCommCrs::EndGetPrg() {
  const bool done = State == PollDone;
  if (!done) ShowStatusMsg(QStringLiteral("F"));
  TmrBlock->stop();
  Disable({scpBlk, scpEot, scpNak});
  WorkFile.Close();
  EndTransfer(done ? MpmSuccessfull : MpmFailed);
  TraceMark(QStringLiteral("GetPrgCmplt-") + PollStateName(State));
}
