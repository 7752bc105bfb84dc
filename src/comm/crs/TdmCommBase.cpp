#include "comm/crs/TdmCommBase.h"

#include "comm/crs/CrsLinkBytes.h"
#include "comm/crs/CrsTiming.h"
#include "comm/crs/TProgressLines.h"
#include "comm/crs/TSessionMsgEvent.h"
#include "comm/link/TSclCustomComPort.h"
#include "comm/link/TSclDataPacket.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/PumpDelay.h"

#include <QRandomGenerator>
#include <QTimer>
#include <chrono>
#include <thread>

namespace {
// The one model whose line runs with odd parity.
const QString kOddParityModel = QStringLiteral("Ma1535");

// The time at the start of a progress line, in the system's time format.
QString ProgressTime() { return Clock::Current().Now().time().toString(QStringLiteral("h:mm:ss AP")); }
} // namespace

TdmCommBase::TdmCommBase(QObject* owner)
    : QObject(owner), TmrBlock(new QTimer(this)), scpEot(new TSclDataPacket(this)), scpAck(new TSclDataPacket(this)),
      scpNak(new TSclDataPacket(this)), Step(&TdmCommBase::IdleStep) {
  TmrBlock->setObjectName(QStringLiteral("TmrBlock"));
  TmrBlock->setSingleShot(true);
  TmrBlock->setTimerType(Qt::PreciseTimer);
  connect(TmrBlock, &QTimer::timeout, this, &TdmCommBase::TmrBlockTimer);
  SetUpControlPacket(scpEot, "scpEot", char(CrsLink::EOT));
  SetUpControlPacket(scpAck, "scpAck", char(CrsLink::ACK));
  SetUpControlPacket(scpNak, "scpNak", char(CrsLink::NAK));
  scpEot->OnPacket = [this](TSclDataPacket&, const char*, int) { Deliver(GotEot); };
  scpAck->OnPacket = [this](TSclDataPacket&, const char*, int) { Deliver(GotAck); };
  scpNak->OnPacket = [this](TSclDataPacket&, const char*, int) { Deliver(GotNak); };
}

TdmCommBase::~TdmCommBase() { WorkFile.Close(); }

void TdmCommBase::SetUpControlPacket(TSclDataPacket* packet, const char* name, char code) {
  packet->setObjectName(QString::fromLatin1(name));
  packet->StartCond = scString;
  packet->StartString = QByteArray(1, char(CrsLink::DLE)) + code;
  packet->EndCond = 0;
  packet->AutoEnable = false;
  packet->IgnoreCase = false;
  packet->TimeOut = CrsTiming::Times(CrsTiming::ControlPacketTicks);
}

void TdmCommBase::ReceivePrg(tEcrPrg&) {}
void TdmCommBase::SendPrg(tEcrPrg&) {}
void TdmCommBase::PollRpt(tEcrRpt&) {}
void TdmCommBase::Logon() {}
void TdmCommBase::LogonDone() {}

void TdmCommBase::InitSession(tMachine* machine, TSclCustomComPort* comPort, int slot, QObject* ctrlWnd,
                              TProgressLines* progress) {
  Machine = machine;
  ComPort = comPort;
  Slot = slot;
  CtrlWnd = ctrlWnd;
  Progress = progress;
  WorkFile.Bind(slot);
  for (TSclDataPacket* packet : {scpEot, scpNak, scpAck}) packet->SetComPort(comPort);
  if (comPort) {
    comPort->SetBaud(machine ? machine->BaudRate : comPort->Baud());
    comPort->SetDataBits(8);
    const bool odd = machine && machine->Ecr() && machine->Ecr()->GetModelName() == kOddParityModel;
    comPort->SetParity(odd ? pOdd : pNone);
    comPort->SetHWFlowOptions(THWFlowOptions(hwfUseRTS));
  }
  Step = &TdmCommBase::IdleStep;
}

void TdmCommBase::StopComm() {
  ++stops_;
  busy_ = false; // a line error reported afterwards must not start the timer again
  for (TSclDataPacket* packet : {scpAck, scpNak, scpEot}) {
    packet->OnPacket = nullptr;
    packet->SetEnabled(false);
  }
  TmrBlock->stop();
}

void TdmCommBase::ResetStep() {
  ++stops_;
  Step = &TdmCommBase::IdleStep;
  busy_ = false;
}

void TdmCommBase::DoPollMsg(PollMsg msg) { Deliver(msg); }

void TdmCommBase::BeginTransfer() { busy_ = true; }

void TdmCommBase::StartTransfer(TStep step) {
  Step = step;
  State = PollInit;
  Msg = InitMsg;
  BeginTransfer();
  RunStep();
}

void TdmCommBase::EndTransfer(tMpMessage message) {
  const bool wasBusy = busy_;
  busy_ = false;
  Step = &TdmCommBase::IdleStep;
  if (!wasBusy) return;
  PostSessionMsg(CtrlWnd, Slot, message, this);
  Q_EMIT TransferEnded(message);
}

void TdmCommBase::AbortTransfer(const QString& message) {
  AddStatusLine(message, true);
  TmrBlock->stop();
  for (TSclDataPacket* packet : {scpEot, scpAck, scpNak}) packet->SetEnabled(false);
  State = PollFailed;
  EndTransfer(MpmFailed);
}

void TdmCommBase::Wait(int ms) {
  const Mark before = Here();
  PumpDelay(ms);
  LeaveIfOvertaken(before);
}

void TdmCommBase::Pump() {
  const Mark before = Here();
  PumpMessage();
  LeaveIfOvertaken(before);
}

void TdmCommBase::LeaveIfOvertaken(Mark before) const {
  if (stops_ != before.stops || stepsRun_ != before.stepsRun) throw StepOvertaken{};
}

// What every event handler does before the step: a short pause of random length, so that
// sessions on several lines take turns, then the events waiting now.
void TdmCommBase::Settle() {
  const int jitter = CrsTiming::Ms(CrsTiming::HandlerJitter);
  if (jitter > 0) std::this_thread::sleep_for(std::chrono::milliseconds(QRandomGenerator::global()->bounded(jitter + 1)));
  PumpMessage();
}

// A packet's event: a moment's pause, pending events, then the step.
void TdmCommBase::Deliver(PollMsg msg) {
  ++delivering_;
  Settle();
  Msg = msg;
  RunStep();
  --delivering_;
}

// The block timer's event. A frame that arrives together with the time-out decides: the
// time-out waits until the frame's event is over, and is dropped when a step ran meanwhile.
void TdmCommBase::TmrBlockTimer() {
  if (delivering_ > 0) return TmrBlock->start();
  const quint64 before = stepsRun_;
  Settle();
  if (stepsRun_ != before || TmrBlock->isActive()) return;
  Msg = TimeOut;
  RunStep();
}

namespace {
int stepsRunning = 0;

struct StepRunning {
  StepRunning() { ++stepsRunning; }
  ~StepRunning() { --stepsRunning; }
  StepRunning(const StepRunning&) = delete;
  StepRunning& operator=(const StepRunning&) = delete;
};
} // namespace

int TdmCommBase::StepsRunning() { return stepsRunning; }

void TdmCommBase::RunStep() {
  const StepRunning running;
  ++stepsRun_;
  if (!busy_) return;
  QString failure;
  try {
    CallStep();
    return;
  } catch (const StepOvertaken&) {
    return;
  } catch (const std::exception& e) {
    failure = ExceptionMessage(e);
  }
  try {
    AbortTransfer(failure);
  } catch (...) {
    // Whatever the end processing could not do, the end report still goes out.
  }
  if (busy_) {
    State = PollFailed;
    EndTransfer(MpmFailed);
  }
}

void TdmCommBase::LogLine(const QString& text) {
  if (Progress) Progress->Add(ProgressTime() + QLatin1Char(' ') + text);
}

void TdmCommBase::AddStatusLine(const QString& text, bool blankAfter) {
  LogLine(text);
  if (blankAfter && Progress) Progress->Add(QString());
}

void TdmCommBase::ShowStatusMsg(const QString& text) {
  if (Progress) Progress->AppendToLast(text);
}

void TdmCommBase::TraceMark(const QString& text) {
  if (ComPort && ComPort->Open()) ComPort->AddLogMark(text);
}

bool TdmCommBase::Tracing() const { return ComPort && ComPort->Open() && ComPort->Logging() == tlOn; }

void TdmCommBase::CreateWorkFile() { WorkFile.Create(RxBuf); }
void TdmCommBase::AppendBlock() { WorkFile.Append(RxBuf); }
void TdmCommBase::WriteBlockCount() { WorkFile.WriteBlockCount(); }
