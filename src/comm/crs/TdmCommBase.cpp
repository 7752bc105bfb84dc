#include "comm/crs/TdmCommBase.h"

#include "comm/crs/CommTurn.h"
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

#include <QRandomGenerator>
#include <QTimer>

namespace {
// The one model whose line runs with odd parity.
const QString kOddParityModel = QStringLiteral("Ma1535");

// The time at the start of a progress line, in the system's time format.
QString ProgressTime() { return Clock::Current().Now().time().toString(QStringLiteral("h:mm:ss AP")); }
} // namespace

TdmCommBase::TdmCommBase(QObject* owner)
    : QObject(owner), TmrBlock(new QTimer(this)), scpEot(new TSclDataPacket(this)), scpAck(new TSclDataPacket(this)),
      scpNak(new TSclDataPacket(this)), Step(&TdmCommBase::IdleStep), eventTimer_(new QTimer(this)),
      pauseTimer_(new QTimer(this)) {
  TmrBlock->setObjectName(QStringLiteral("TmrBlock"));
  for (QTimer* timer : {TmrBlock, eventTimer_, pauseTimer_}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  connect(TmrBlock, &QTimer::timeout, this, &TdmCommBase::TmrBlockTimer);
  connect(eventTimer_, &QTimer::timeout, this, &TdmCommBase::NextEvent);
  connect(pauseTimer_, &QTimer::timeout, this, &TdmCommBase::PauseEnded);
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
  DropPending();
}

void TdmCommBase::ResetStep() {
  ++stops_;
  Step = &TdmCommBase::IdleStep;
  busy_ = false;
  DropPending();
}

void TdmCommBase::DropPending() {
  events_.clear();
  eventTimer_->stop();
  pausedThen_ = nullptr;
  pauseTimer_->stop();
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

namespace {
int stepsRunning = 0;

struct StepRunning {
  StepRunning() { ++stepsRunning; }
  ~StepRunning() { --stepsRunning; }
  StepRunning(const StepRunning&) = delete;
  StepRunning& operator=(const StepRunning&) = delete;
};
} // namespace

void TdmCommBase::PauseThen(int ms, std::function<void()> then) {
  pausedThen_ = std::move(then);
  pausedAt_ = Here();
  pauseTimer_->start(ms);
  throw StepLeft{};
}

void TdmCommBase::PauseEnded() {
  if (CommTurn::Taken()) return CommTurn::Defer(*pauseTimer_);
  const std::function<void()> then = std::move(pausedThen_);
  pausedThen_ = nullptr;
  if (then && pausedAt_ == Here()) Run(then);
}

// A packet's event counts at once: a paused step whose answer came meanwhile is stale,
// and its frame is kept with it until the step takes it.
void TdmCommBase::Deliver(PollMsg msg, std::optional<QByteArray> frame) {
  ++eventsIn_;
  Queue(msg, std::move(frame), false);
}

// The block timer's event. A frame that arrives together with the time-out decides: the
// time-out waits until the frame's event is over, and is dropped when a step ran meanwhile.
void TdmCommBase::TmrBlockTimer() {
  if (!events_.empty()) return TmrBlock->start();
  Queue(TimeOut, std::nullopt, true);
}

void TdmCommBase::Queue(PollMsg msg, std::optional<QByteArray> frame, bool timeOut) {
  events_.push_back({msg, std::move(frame), timeOut, Here()});
  ArmEventTimer();
}

// A short pause of random length before each event, so that sessions on several lines
// take turns.
void TdmCommBase::ArmEventTimer() {
  if (events_.empty() || handling_ || eventTimer_->isActive()) return;
  const int jitter = CrsTiming::Ms(CrsTiming::HandlerJitter);
  eventTimer_->start(jitter > 0 ? QRandomGenerator::global()->bounded(jitter + 1) : 0);
}

// The first event waiting reaches the step; the program's other events have had their
// turn during its pause and run after it, never inside it. The next event gets its pause
// once this one is over, so the steps take the events in the order they came.
void TdmCommBase::NextEvent() {
  if (events_.empty()) return;
  if (CommTurn::Taken()) return CommTurn::Defer(*eventTimer_);
  Event event = std::move(events_.front());
  events_.pop_front();
  handling_ = true;
  if (!event.timeOut || (event.queuedAt == Here() && !TmrBlock->isActive())) {
    if (event.frame) RxBuf = std::move(*event.frame);
    Msg = event.msg;
    RunStep();
  }
  handling_ = false;
  ArmEventTimer();
}

int TdmCommBase::StepsRunning() { return stepsRunning; }

void TdmCommBase::RunStep() { Run([this] { CallStep(); }); }

void TdmCommBase::Run(const std::function<void()>& body) {
  const StepRunning running;
  const CommTurn turn;
  ++stepsRun_;
  if (!busy_) return;
  QString failure;
  try {
    body();
    return;
  } catch (const StepLeft&) {
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
