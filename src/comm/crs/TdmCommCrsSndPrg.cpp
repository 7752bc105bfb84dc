// Sending a program table (command 0xF0): the program writes itself into the work file,
// and its blocks go out numbered down to 0, each acknowledged; DLE EOT ends the send and
// the register's status decides the result.
#include "comm/crs/TdmCommCrs.h"

#include "comm/crs/CrsLinkBytes.h"
#include "comm/crs/CrsTiming.h"
#include "comm/link/TSclDataPacket.h"
#include "model/TBlockFileReader.h"
#include "model/tEcrPrg.h"

#include <QTimer>

namespace {
// Block numbers on the line are one byte, counting down to 0.
constexpr int kMostBlocks = 256;
} // namespace

void TdmCommCrs::SndPrgStep() {
  EnterStep("SndPrg-");
  switch (State) {
  case PollInit:
    if (SndPrgInit()) return;
    break;
  case PollSntCmnd:
    if (SndPrgSntCmnd()) return;
    break;
  case PollSndFrstBlk:
    TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::PrgSendBlock));
    PauseThen(CrsTiming::Ms(CrsTiming::PrgAckWait), [this] {
      if (!SndPrgFrstBlk()) EndIfEnded();
    });
  case PollSndNxtBlk:
    if (SndPrgNxtBlk()) return;
    break;
  case PollGetStatus:
    State = Msg == GotStat ? PollDone : PollFailed;
    break;
  case PollCanceled:
    State = PollFailed;
    break;
  default:
    break;
  }
  if (Ended()) EndSndPrg();
}

bool TdmCommCrs::SndPrgInit() {
  if (Msg == InitMsg) {
    PrepareTransfer(CrsCmd::PrgSend);
    WorkFile.Rebind();
    Prg->WriteBlockFile(WorkFile.File(), true);
    sendReader_ = std::make_unique<TBlockFileReader>(WorkFile.File());
    SendBlocks = sendReader_->Count();
    TraceMark(QStringLiteral("Sending_%1_blocks.").arg(SendBlocks));
    if (SendBlocks == 0) {
      AddStatusLine(QStringLiteral("No Data for: ") + Prg->GetPrgName(), true);
      State = PollDone;
      CallStep();
      return true;
    }
    if (SendBlocks > kMostBlocks) {
      AddStatusLine(QStringLiteral("%1 has %2 blocks; the register takes at most %3")
                        .arg(Prg->GetPrgName()).arg(SendBlocks).arg(kMostBlocks), true);
      State = PollFailed;
      return false;
    }
    AddStatusLine(QStringLiteral("Sending Program ") + Prg->GetPrgName(), true);
    TraceMark(QStringLiteral("Sending_Program_") + Prg->GetPrgName());
  }
  Enable({scpAck});
  TmrBlock->setInterval(CrsTiming::Ms(CrsTiming::PrgSendCmd));
  SendCmnd(CrsCmd::PrgSend, QByteArray(1, char(Prg->GetPrgCode())));
  return false;
}

bool TdmCommCrs::SndPrgSntCmnd() {
  switch (Msg) {
  case GotErr:
    State = PollFailed;
    break;
  case GotAck:
    ShowStatusMsg(QStringLiteral("A"));
    State = PollSndFrstBlk;
    CallStep();
    return true;
  case TimeOut:
  case GotNak:
    if (RetryCmnd(PollInit)) return true;
    break;
  default:
    Unexpected();
  }
  return false;
}

// The first block, after the pause before it.
bool TdmCommCrs::SndPrgFrstBlk() {
  if (!SendNextBlk()) { // the file holds fewer blocks than its count
    ShowStatusMsg(QStringLiteral("Unexpected EOF"));
    TraceMark(QStringLiteral("Unexpected_EOF"));
    State = PollCanceled;
    CallStep();
    return true;
  }
  Enable({scpNak, scpAck, scpBlk});
  TmrBlock->start();
  if (Send(SendFrame)) State = PollSndNxtBlk;
  return false;
}

bool TdmCommCrs::SndPrgNxtBlk() {
  switch (Msg) {
  case GotBlock: // the register must not send during a send
    ShowStatusMsg(QStringLiteral("F"));
    State = PollFailed;
    break;
  case GotAck:
    BlkRetries = 0;
    ShowStatusMsg(QStringLiteral("A"));
    PauseThen(CrsTiming::Ms(CrsTiming::PrgAckWait), [this] { SndPrgAfterAck(); });
  case TimeOut:
  case GotNak:
    ShowStatusMsg(QLatin1String(Msg == TimeOut ? "T" : "N"));
    if (BlkRetries >= CrsTiming::Times(CrsTiming::BlkRetries)) {
      State = PollFailed;
      break;
    }
    ++BlkRetries;
    Enable({scpNak, scpAck});
    if (Send(SendFrame)) TmrBlock->start();
    break;
  default:
    Unexpected();
  }
  return false;
}

// After a block's ACK and the pause: the next block, or after the last DLE EOT and the
// status check.
void TdmCommCrs::SndPrgAfterAck() {
  if (SendNextBlk()) {
    Enable({scpNak, scpAck});
    if (Send(SendFrame)) TmrBlock->start();
    return EndIfEnded();
  }
  PauseThen(CrsTiming::Ms(CrsTiming::EotWait), [this] {
    if (!SendCtrl(char(CrsLink::EOT))) return EndIfEnded();
    Msg = InitMsg;
    PauseThen(CrsTiming::Ms(CrsTiming::BeforeStatus), [this] {
      State = PollGetStatus;
      GetStatusStep(); // a sub-step: it keeps this step to hand back to
    });
  });
}

void TdmCommCrs::EndSndPrg() {
  const bool done = State == PollDone;
  ShowStatusMsg(QLatin1String(done ? "E" : "F"));
  TmrBlock->stop();
  Disable({scpBlk, scpEot, scpNak, scpAck});
  sendReader_.reset();
  WorkFile.Close();
  EndTransfer(done ? MpmSuccessfull : MpmFailed);
  TraceMark(QStringLiteral("SndPrgComplt-") + PollStateName(State));
}
