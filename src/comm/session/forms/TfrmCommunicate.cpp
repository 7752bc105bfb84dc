#include "comm/session/forms/TfrmCommunicate.h"

#include "comm/crs/TSessionMsgEvent.h"
#include "comm/crs/TdmCommBase.h"
#include "comm/jobs/tHistory.h"
#include "comm/link/ESclException.h"
#include "comm/link/TSclComPort.h"
#include "comm/link/TSclSLController.h"
#include "comm/link/forms/TSclStatusLight.h"
#include "comm/session/CommWindowPlacement.h"
#include "comm/session/DirectPortName.h"
#include "comm/session/LineErrorReport.h"
#include "comm/session/LineSwitch.h"
#include "comm/session/ModemSignalsText.h"
#include "comm/session/PortDiagnosticFiles.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TComPortSwitchLine.h"
#include "comm/session/TPollSession.h"
#include "comm/session/forms/CommLogPrinting.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {
QString ProgressTime() { return Clock::Current().Now().time().toString(QStringLiteral("h:mm:ss AP")); }

// The lamps under their labels, in the window's order, and the signal each shows.
struct Lamp {
  const char* label;
  TLightSet::Slot slot;
};
constexpr Lamp kLamps[] = {{"TXD", TLightSet::SlotTxd}, {"RXD", TLightSet::SlotRxd}, {"CTS", TLightSet::SlotCts},
                           {"DSR", TLightSet::SlotDsr}, {"DCD", TLightSet::SlotDcd}, {"ERROR", TLightSet::SlotError}};
} // namespace

TfrmCommunicate::TfrmCommunicate(const CommWindowRequest& request)
    : QWidget(nullptr), session_(request.session), machine_(request.machine), commType_(request.commType),
      slot_(request.slot), controller_(request.controller), watchdog_(progress_, windows_, *this, this),
      SclComPort1(new TSclComPort(this)), SclSLController1(new TSclSLController(this)) {
  setObjectName(QStringLiteral("frmCommunicate"));
  setWindowTitle(QStringLiteral("Communicating with: ") + machine_.MachineId);

  SclComPort1->setObjectName(QStringLiteral("SclComPort1"));
  SclComPort1->SetBaud(9600);
  SclComPort1->SetParity(pOdd);
  SclComPort1->SetDataBits(7);
  SclComPort1->SetAutoOpen(false);
  SclComPort1->SetPromptForPort(false);
  SclComPort1->SetHWFlowOptions(THWFlowOptions(hwfUseRTS));
  SclComPort1->SetBufferFull(256);
  SclComPort1->SetBufferResume(200);
  SclComPort1->SetLogging(tlOn);
  SclComPort1->SetOnTriggerLineError([this](TSclCustomComPort&, int code, bool lineBreak) { LineError(code, lineBreak); });
  SclSLController1->setObjectName(QStringLiteral("SclSLController1"));
  SclSLController1->SetComPort(SclComPort1);

  mmoProgress = new QPlainTextEdit(this);
  mmoProgress->setObjectName(QStringLiteral("mmoProgress"));
  mmoProgress->setReadOnly(true);
  // The scroll bar comes when the lines overflow: one always shown is drawn again for every
  // line added, which with many sessions' windows open costs more than the lines.
  mmoProgress->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(&progress_, &TProgressLines::LineAdded, mmoProgress, &QPlainTextEdit::appendPlainText);
  connect(&progress_, &TProgressLines::LastLineChanged, mmoProgress, [this](const QString& line) {
    QTextCursor cursor(mmoProgress->document()->lastBlock());
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(line);
  });

  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancelAll = new QPushButton(QStringLiteral("Cancel All"), this);
  btnCancelAll->setObjectName(QStringLiteral("btnCancelAll"));
  btnPrint = new QPushButton(QStringLiteral("Print"), this);
  btnPrint->setObjectName(QStringLiteral("btnPrint"));
  connect(btnCancel, &QPushButton::clicked, this, &TfrmCommunicate::CancelClick);
  connect(btnCancelAll, &QPushButton::clicked, this, &TfrmCommunicate::CancelAllClick);
  connect(btnPrint, &QPushButton::clicked, this, &TfrmCommunicate::PrintClick);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnCancel);
  buttons->addWidget(btnCancelAll);
  buttons->addWidget(btnPrint);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildLamps());
  layout->addWidget(mmoProgress, 1);
  layout->addLayout(buttons);
  resize(324, 420);

  BusyTimer.setObjectName(QStringLiteral("BusyTimer"));
  BusyTimer.setSingleShot(true);
  connect(&BusyTimer, &QTimer::timeout, this, [this] { Post(MpmBusyTimeOut); });

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize area = screen ? screen->availableGeometry().size() : QSize(1024, 768);
  const int index = HistoryExists() ? TheHistory().PortIndex(machine_.CommPort) : -1;
  move(CommWindowTopLeft(index, area));

  try {
    logRow_.Start(machine_, commType_);
  } catch (const std::exception& e) {
    AddStatusLine(ExceptionMessage(e), false);
  }
  watchdog_.Start();
}

TfrmCommunicate::~TfrmCommunicate() {
  watchdog_.Stop();
  BusyTimer.stop();
  if (module_) module_->StopComm();
  delete module_;
  module_ = nullptr;
  SclSLController1->SetWatching(false);
  if (SclComPort1->Open()) SclComPort1->SetOpen(false);
}

QWidget* TfrmCommunicate::BuildLamps() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  int column = 0;
  for (const Lamp& lamp : kLamps) {
    auto* light = new TSclStatusLight(box);
    light->setObjectName(QString::fromLatin1(lamp.label) + QStringLiteral("Light"));
    if (lamp.slot != TLightSet::SlotError) light->SetLitColor(Qt::yellow);
    SclSLController1->Lights().SetLight(lamp.slot, light);
    auto* label = new QLabel(QString::fromLatin1(lamp.label), box);
    grid->addWidget(light, 0, column, Qt::AlignHCenter);
    grid->addWidget(label, 1, column, Qt::AlignHCenter);
    ++column;
  }
  return box;
}

void TfrmCommunicate::AddStatusLine(const QString& text, bool blankAfter) {
  progress_.Add(ProgressTime() + QLatin1Char(' ') + text);
  if (blankAfter) progress_.Add(QString());
}

void TfrmCommunicate::ShowStatusMsg(const QString& text) { progress_.AppendToLast(text); }

// Only direct ports are opened here: a modem's name has no line in this build, which
// fails the logon at once.
void TfrmCommunicate::Connect(const QString& portName, const QString& dialStr) {
  Q_UNUSED(dialStr);
  portName_ = portName;
  AddStatusLine(QStringLiteral("Initiating Communications"), false);
  const std::optional<int> number = DirectComNumber(portName);
  if (!number) throw EOpenComm(QStringLiteral("No modem line for ") + portName);
  SclComPort1->SetTapiMode(tmOff);
  SclComPort1->SetComNumber(*number);
  UseDiagnosticFiles(*SclComPort1, portName);
  AddStatusLine(QStringLiteral("Using ") + portName, true);
  SclComPort1->SetOpen(true);
  ShowStatusMsg(ModemSignalsText(SclComPort1->CtsState(), SclComPort1->DsrState(), SclComPort1->DcdState()));
  StartProtocol();
}

void TfrmCommunicate::StartProtocol() {
  SclSLController1->SetWatching(true);
  EnableCancel(false);
  switchLine_ = std::make_unique<TComPortSwitchLine>(*SclComPort1, this);
  LineSwitch::Select(*switchLine_, machine_.SwitchType, machine_.SwitchNumber,
                     [this](const QString& failure) { SwitchSet(failure); });
}

void TfrmCommunicate::SwitchSet(const QString& failure) {
  try {
    if (!failure.isEmpty()) throw Exception(failure);
    StartModule();
  } catch (const std::exception& e) {
    AddStatusLine(ExceptionMessage(e), false);
    Post(MpmFailed);
  }
}

void TfrmCommunicate::StartModule() {
  EnableCancel(true);
  if (!module_) {
    QObject* made = machine_.Ecr() ? machine_.Ecr()->CreateCommModule(this) : nullptr;
    module_ = qobject_cast<TdmCommBase*>(made);
    if (!module_) {
      delete made;
      throw Exception(QStringLiteral("The register of ") + machine_.MachineId + QStringLiteral(" has no protocol"));
    }
  }
  module_->InitSession(&machine_, SclComPort1, slot_, controller_, &progress_);
  module_->Logon();
}

void TfrmCommunicate::StartBusyTimer(int ms) {
  BusyTimer.setInterval(ms);
  BusyTimer.start();
}

void TfrmCommunicate::SetWatching(bool on) {
  if (on) watchdog_.Start();
  else watchdog_.Stop();
}

void TfrmCommunicate::EnableCancel(bool on) {
  btnCancel->setEnabled(on);
  btnCancelAll->setEnabled(on);
}

void TfrmCommunicate::Focus() {
  if (!isVisible()) return;
  raise();
  activateWindow();
}

void TfrmCommunicate::Post(tMpMessage message) { PostSessionMsg(controller_, slot_, message, this); }

void TfrmCommunicate::CancelClick() {
  EnableCancel(false);
  if (module_) module_->ResetStep();
  BusyTimer.stop();
  Post(MpmUserCancel);
  watchdog_.SetInterval(SessionTiming::Ms(SessionTiming::NoActivityCancel));
}

// The line is stopped at once; the session hears of it after the pause, when whatever the
// module was doing has settled.
void TfrmCommunicate::CancelAllClick() {
  if (module_ && module_->State == PollGood) return;
  EnableCancel(false);
  if (module_) {
    module_->StopComm();
    module_->ResetStep();
  }
  BusyTimer.stop();
  watchdog_.SetInterval(SessionTiming::Ms(SessionTiming::NoActivityCancel));
  QTimer::singleShot(SessionTiming::Ms(SessionTiming::CancelPause), this, [this] { Post(MpmUserCancelAll); });
}

void TfrmCommunicate::PrintClick() {
  QPrinter printer;
  CommLogPrinting::PrintLines(printer, progress_.Lines(), mmoProgress->font());
}

void TfrmCommunicate::LineError(int code, bool lineBreak) {
  const LineErrorReport report = ReportLineError(code, lineBreak);
  if (!report.appendToLast.isEmpty()) ShowStatusMsg(report.appendToLast);
  if (!report.line.isEmpty()) AddStatusLine(report.line, false);
  if (SclComPort1->Open()) SclComPort1->AddLogMark(report.logMark);
  if (module_) module_->DoPollMsg(CommErr);
}

void TfrmCommunicate::EndSession(tMpMessage last) {
  AddStatusLine(QStringLiteral("Terminating Communications"), false);
  watchdog_.Stop();
  BusyTimer.stop();
  EnableCancel(false);
  try {
    logRow_.End(last, progress_.Lines());
  } catch (const std::exception& e) {
    AddStatusLine(ExceptionMessage(e), false);
  }
  if (module_) module_->StopComm();
  SclSLController1->SetWatching(false);
  if (SclComPort1->Open()) SclComPort1->SetOpen(false);
}

void TfrmCommunicate::RunTracked(TSessionWindows::Kind kind, const QString& name, const std::function<void()>& open) {
  TSessionWindows::Entry entry(windows_, kind, name, [] {
    QWidget* top = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
    else if (top) top->close();
  });
  open();
}

// The watchdog's second stage closes the window through the session.
void TfrmCommunicate::CloseWindow() { session_.CloseRequested(); }

void TfrmCommunicate::closeEvent(QCloseEvent* event) {
  if (session_.Ending()) return event->accept();
  event->ignore();
  session_.CloseRequested();
}
