#include "comm/crs/TdmCommCrs.h"

#include "comm/crs/CrsFrame.h"
#include "comm/crs/CrsLinkBytes.h"
#include "comm/crs/CrsTiming.h"
#include "comm/link/TSclCustomComPort.h"
#include "comm/link/TSclDataPacket.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/EInOutError.h"
#include "model/TBlockFileReader.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "programming/framework/tEcrPrgCrs3000MemAlloc.h"

#include <QTimer>

namespace {
const struct Registration {
  Registration() {
    tEcrCrs3000::SetCommModuleFactory([](QObject* owner) -> QObject* { return new TdmCommCrs(owner); });
  }
} registration;

QByteArray ToBytes(const CrsFrame::Bytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

CrsFrame::Bytes FromBytes(const QByteArray& bytes) {
  return CrsFrame::Bytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         reinterpret_cast<const std::uint8_t*>(bytes.constData()) + bytes.size());
}
} // namespace

TdmCommCrs::TdmCommCrs(QObject* owner) : TdmCommBase(owner), scpBlk(new TSclDataPacket(this)) {
  // The doubled-DLE rule keeps a DLE ACK inside a frame's body from counting as one.
  for (TSclDataPacket* packet : {scpEot, scpAck, scpNak}) packet->Tag = TSclDataPacket::kDleRuleTag;
  SetUpBlockPacket();
}

TdmCommCrs::~TdmCommCrs() = default;

void TdmCommCrs::SetUpBlockPacket() {
  scpBlk->setObjectName(QStringLiteral("scpBlk"));
  scpBlk->StartCond = scString;
  scpBlk->StartString = QByteArray("\x10\x02", 2);
  scpBlk->EndCond = ecString;
  scpBlk->EndString = QByteArray("\x10\x03??", 4); // DLE ETX and the two CRC bytes
  scpBlk->IgnoreCase = false;
  scpBlk->AutoEnable = false;
  scpBlk->IncludeStrings = true;
  scpBlk->TimeOut = CrsTiming::Times(CrsTiming::BlockPacketTicks);
  scpBlk->OnPacket = [this](TSclDataPacket&, const char* data, int size) { scpBlkPacket(data, size); };
  scpBlk->OnTimeout = [this](TSclDataPacket&) { scpBlkTimeout(); };
}

void TdmCommCrs::InitSession(tMachine* machine, TSclCustomComPort* comPort, int slot, QObject* ctrlWnd,
                             TProgressLines* progress) {
  TdmCommBase::InitSession(machine, comPort, slot, ctrlWnd, progress);
  scpBlk->SetComPort(comPort);
}

void TdmCommCrs::StopComm() {
  TdmCommBase::StopComm();
  TmrBlock->stop();
  // The block packet keeps collecting, but what it catches goes nowhere.
  scpBlk->OnPacket = nullptr;
}

void TdmCommCrs::ReceivePrg(tEcrPrg& prg) {
  Prg = &prg;
  lastBlock_.clear();
  endTransfer_ = &TdmCommCrs::EndGetPrg;
  StartTransfer(static_cast<TStep>(&TdmCommCrs::GetPrgStep));
}

void TdmCommCrs::SendPrg(tEcrPrg& prg) {
  Prg = &prg;
  endTransfer_ = &TdmCommCrs::EndSndPrg;
  StartTransfer(static_cast<TStep>(&TdmCommCrs::SndPrgStep));
}

void TdmCommCrs::PollRpt(tEcrRpt& rpt) {
  Rpt = &rpt;
  ParentRpt = nullptr;
  subRpts_.clear();
  savedRpts_.clear();
  TakeStoreNumber(); // a read need not follow a logon
  endTransfer_ = &TdmCommCrs::EndReadRpt;
  StartTransfer(static_cast<TStep>(&TdmCommCrs::ReadRptStep));
}

void TdmCommCrs::Logon() {
  MemAlloc = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(Machine ? Machine->Ecr() : nullptr);
  ReceivePrg(*MemAlloc);
}

// A register that allocated nothing leaves the machine's sizes as they were, and says so:
// sizes of another session or another machine are never taken in their place.
void TdmCommCrs::LogonDone() {
  if (!MemAlloc) return;
  if (MemAlloc->Received().isEmpty()) AddStatusLine(QStringLiteral("Nothing allocated: the table sizes are kept"), false);
  MemAlloc->SetEcrSizes();
  MemAlloc.reset();
}

// A step raised: the transfer ends as failed through its own end processing, so the
// progress line and the trace show the failure as they show any other.
void TdmCommCrs::AbortTransfer(const QString& message) {
  scpBlk->SetEnabled(false);
  if (!endTransfer_) return TdmCommBase::AbortTransfer(message);
  AddStatusLine(message, true);
  State = PollFailed;
  (this->*endTransfer_)();
}

// The link.

void TdmCommCrs::scpBlkPacket(const char* data, int size) {
  if (!Busy()) return;
  const auto checked = CrsFrame::Check(reinterpret_cast<const std::uint8_t*>(data), size_t(size));
  QByteArray frame = ToBytes(checked.frame);
  switch (checked.kind) {
  case CrsFrame::Kind::Bad:
    ShowStatusMsg(QStringLiteral("C"));
    return Deliver(BadCrc, std::move(frame));
  case CrsFrame::Kind::Error:
    ShowStatusMsg(QLatin1Char('[') + QString::number(checked.errorCode) + QStringLiteral("] "));
    return Deliver(GotErr, std::move(frame));
  case CrsFrame::Kind::Block:
    return Deliver(GotBlock, std::move(frame));
  }
}

void TdmCommCrs::scpBlkTimeout() {
  LogLine(QStringLiteral("Timed out waiting for block to finish."));
  TraceMark(QStringLiteral("Block_Time_Out"));
}

void TdmCommCrs::SendCmnd(quint8 command, const QByteArray& data) {
  const auto payload = CrsCmd::Payload(command, FromBytes(data), CmdParams);
  const QByteArray frame = ToBytes(CrsFrame::Build(payload));
  Enable({scpBlk, scpNak});
  if (Send(frame)) State = PollSntCmnd;
  TmrBlock->start();
}

bool TdmCommCrs::SendNextBlk() {
  TEcrBlock buffer{};
  qint32 length = 0;
  if (!sendReader_ || !sendReader_->Next(buffer, length) || length <= 0) {
    SendFrame.clear();
    return false;
  }
  const int stored = buffer[CrsFrame::kBodyBlockNumberAt];
  const int number = SendBlocks - stored;
  if (number < 0 || number > 255)
    throw EInOutError(QStringLiteral("Block %1 of %2 cannot be numbered for the register").arg(stored).arg(SendBlocks));
  CrsFrame::Bytes body(buffer.begin(), buffer.begin() + length);
  body[CrsFrame::kBodyBlockNumberAt] = std::uint8_t(number);
  SendFrame = ToBytes(CrsFrame::Build(body));
  return true;
}

// The NAK after its pause, then the end of the step; nothing when the block has had its
// retries (the transfer has failed, and the caller ends the step).
void TdmCommCrs::SendNak() {
  if (++BlkRetries > CrsTiming::Times(CrsTiming::BlkRetries)) {
    State = PollFailed;
    return;
  }
  PauseThen(CrsTiming::Ms(CrsTiming::NakWait), [this] {
    scpBlk->DropHeld(); // the frame comes again from its start: what came of it so far is stale
    if (SendCtrl(char(CrsLink::NAK))) {
      TmrBlock->start();
      Enable({scpEot, scpBlk, scpNak});
      Msg = SentNak;
    }
    EndIfEnded();
  });
}

bool TdmCommCrs::Send(const QByteArray& bytes) {
  try {
    if (!ComPort) throw EInOutError(QStringLiteral("No line to the register"));
    ComPort->SendString(bytes);
    return true;
  } catch (const Exception& e) {
    LogLine(e.Message());
    State = PollFailed;
    return false;
  }
}

bool TdmCommCrs::SendCtrl(char code) { return Send(QByteArray(1, char(CrsLink::DLE)) + code); }

void TdmCommCrs::AckBlock(int pauseMs, std::function<void()> acked) {
  PauseThen(pauseMs, [this, acked = std::move(acked)] {
    if (SendCtrl(char(CrsLink::ACK))) {
      TmrBlock->start();
      acked();
    }
    EndIfEnded();
  });
}

void TdmCommCrs::CmndAfter(int pauseMs, quint8 command, const QByteArray& data) {
  PauseThen(pauseMs, [this, command, data] {
    SendCmnd(command, data);
    EndIfEnded();
  });
}

// The end of the current step when its transfer or sub-step is over, as each step ends.
void TdmCommCrs::EndIfEnded() {
  using Member = void (TdmCommCrs::*)();
  static const struct {
    Member step;
    Member end;
  } kEnds[] = {{&TdmCommCrs::ReadRptStep, &TdmCommCrs::EndReadRpt},     {&TdmCommCrs::GetPrgStep, &TdmCommCrs::EndGetPrg},
               {&TdmCommCrs::SndPrgStep, &TdmCommCrs::EndSndPrg},       {&TdmCommCrs::ConsldtStep, &TdmCommCrs::EndConsldt},
               {&TdmCommCrs::ClearRptFlgStep, &TdmCommCrs::EndClearRptFlg}, {&TdmCommCrs::GetStatusStep, &TdmCommCrs::EndGetStatus}};
  if (!Ended()) return;
  for (const auto& entry : kEnds)
    if (IsStep(Step, entry.step)) return (this->*entry.end)();
}

void TdmCommCrs::Enable(std::initializer_list<TSclDataPacket*> packets) {
  for (TSclDataPacket* packet : packets) packet->SetEnabled(true);
}

void TdmCommCrs::Disable(std::initializer_list<TSclDataPacket*> packets) {
  for (TSclDataPacket* packet : packets) packet->SetEnabled(false);
}

void TdmCommCrs::EnterStep(const char* tracePrefix) {
  TmrBlock->stop();
  if (Tracing())
    TraceMark(QString::fromLatin1(tracePrefix) + PollStateName(State) + QStringLiteral("-Msg_") + PollMsgName(Msg));
}

void TdmCommCrs::Unexpected() {
  LogLine(QStringLiteral("Unexpected Message: ") + PollMsgName(Msg) + QStringLiteral(" State: ") + PollStateName(State));
}

void TdmCommCrs::TakeStoreNumber() { CmdParams.store = CrsCmd::StoreNumberText(Machine ? Machine->StoreNumber : 0); }

void TdmCommCrs::PrepareTransfer(quint8 command) {
  TakeStoreNumber();
  CmdParams.first = 0x01;
  CmdParams.last = 0x24;
  StartCmnd(command);
}

void TdmCommCrs::StartCmnd(quint8 command) {
  CmdCode = command;
  BlkRetries = 0;
  CmdRetries = 0;
  CmdNaks = 0;
}
