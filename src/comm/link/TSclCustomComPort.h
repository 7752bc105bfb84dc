#pragma once
// The com port component: the system's way to use a serial port. Configured by its
// properties, opened and closed through Open, it creates a dispatcher at every open and
// frees it at every close, and feeds the dispatcher's notifications to its events on the
// GUI thread through its hidden window. With ComNumber 0 at open the user is asked for a
// port. Every operation runs on the GUI thread; a negative dispatcher result raises the
// exception of its code.
#include "comm/link/SclComPortTypes.h"
#include "comm/link/TSclBaseComponent.h"
#include "comm/link/TSclTriggerSet.h"

#include <QByteArray>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class TSclBaseDispatcher;
class TSclComWindow;
class TSclCustomComPort;

using TTriggerEvent = std::function<void(TSclCustomComPort& cp, uint32_t msg, int triggerHandle, int data)>;
using TTriggerAvailEvent = std::function<void(TSclCustomComPort& cp, int count)>;
using TTriggerHandleEvent = std::function<void(TSclCustomComPort& cp, int triggerHandle)>;
using TTriggerLineErrorEvent = std::function<void(TSclCustomComPort& cp, int error, bool lineBreak)>;
using TTriggerNotifyEvent = std::function<void(TSclCustomComPort& sender)>;
using TWaitCharEvent = std::function<void(TSclCustomComPort& cp, char c)>;
// Told when the port has opened (true) and before it closes (false).
using TPortUserCallback = std::function<void(TSclCustomComPort& port, bool opening)>;

class TSclCustomComPort : public TSclBaseComponent {
  Q_OBJECT
public:
  enum TPortState { psClosed, psClosing, psOpen };

  explicit TSclCustomComPort(QObject* owner = nullptr);
  ~TSclCustomComPort() override;

  // Opening and closing.
  bool Open() const { return open_; }
  void SetOpen(bool open);
  TPortState PortState() const { return state_; }
  void Loaded() override;

  // Data and line states.
  void SendString(const QByteArray& bytes);
  void AddLogMark(const QString& text);
  int InputCount();
  int OutputUsed();
  bool CtsState();
  bool DsrState();
  bool DcdState();
  bool RingSeen();
  int TakeLineError();
  bool TakeBreak();

  // Triggers (through RequireDispatcher: with AutoOpen a closed port opens first).
  int NewTimerTrigger();
  int NewStatusTrigger(int kind);
  void DropTrigger(int handle);
  void ArmTimerTrigger(int handle, int ticks, bool activate);
  void ArmStatusTrigger(int handle, int value, bool activate);

  // Port users, told last registered first; removal takes every record of the key.
  int AddPortUser(const void* key, TPortUserCallback callback);
  void RemovePortUser(const void* key);

  TSclBaseDispatcher* ActiveDispatcher();
  TSclBaseDispatcher& RequireDispatcher();
  // The first com port among owner's components, depth first.
  static TSclCustomComPort* FindComPort(QObject* owner);
  void YieldToDispatcher();
  // Copies the settings, events and port users of another port (which stays as it is).
  void Assign(const TSclCustomComPort& source);

  // Properties.
  TDeviceLayer DeviceLayer() const { return deviceLayer_; }
  void SetDeviceLayer(TDeviceLayer layer);
  int ComNumber() const { return comNumber_; }
  void SetComNumber(int number);
  int Baud() const { return baud_; }
  void SetBaud(int baud);
  bool PromptForPort() const { return promptForPort_; }
  void SetPromptForPort(bool prompt) { promptForPort_ = prompt; }
  TParity Parity() const { return parity_; }
  void SetParity(TParity parity);
  int DataBits() const { return dataBits_; }
  void SetDataBits(int bits);
  int StopBits() const { return stopBits_; }
  void SetStopBits(int bits);
  int InSize() const { return inSize_; }
  void SetInSize(int size);
  int OutSize() const { return outSize_; }
  void SetOutSize(int size);
  bool AutoOpen() const { return autoOpen_; }
  void SetAutoOpen(bool autoOpen) { autoOpen_ = autoOpen; }
  bool DTR() const { return dtr_; }
  void SetDTR(bool level);
  bool RTS() const { return rts_; }
  void SetRTS(bool level);
  THWFlowOptions HWFlowOptions() const { return hwFlow_; }
  void SetHWFlowOptions(THWFlowOptions options);
  TSWFlowOptions SWFlowOptions() const { return swFlow_; }
  void SetSWFlowOptions(TSWFlowOptions options);
  char XOnChar() const { return xonChar_; }
  void SetXOnChar(char c);
  char XOffChar() const { return xoffChar_; }
  void SetXOffChar(char c);
  int BufferFull() const { return bufferFull_; }
  void SetBufferFull(int n);
  int BufferResume() const { return bufferResume_; }
  void SetBufferResume(int n);
  TTraceLogState Tracing() const { return tracing_; }
  void SetTracing(TTraceLogState state);
  int TraceSize() const { return traceSize_; }
  void SetTraceSize(int size);
  QString TraceName() const { return traceName_; }
  void SetTraceName(const QString& name) { traceName_ = name; }
  bool TraceHex() const { return traceHex_; }
  void SetTraceHex(bool hex) { traceHex_ = hex; }
  TTraceLogState Logging() const { return logging_; }
  void SetLogging(TTraceLogState state);
  int LogSize() const { return logSize_; }
  void SetLogSize(int size);
  QString LogName() const { return logName_; }
  void SetLogName(const QString& name) { logName_ = name; }
  bool LogHex() const { return logHex_; }
  void SetLogHex(bool hex) { logHex_ = hex; }
  bool UseMSRShadow() const { return useMSRShadow_; }
  void SetUseMSRShadow(bool use) { useMSRShadow_ = use; }
  bool UseEventWord() const { return useEventWord_; }
  void SetUseEventWord(bool use);
  int CommNotificationLevel() const { return commNotificationLevel_; }
  void SetCommNotificationLevel(int level) { commNotificationLevel_ = level; }
  TTapiMode TapiMode() const { return tapiMode_; }
  void SetTapiMode(TTapiMode mode) { tapiMode_ = mode; }
  // The descriptor of the device a modem's call hands over for tmOn (0 = none).
  int TapiHandle() const { return tapiHandle_; }
  void SetTapiHandle(int fd) { tapiHandle_ = fd; }
  bool RS485Mode() const { return rs485_; }
  void SetRS485Mode(bool on);
  int AvailLength() const { return availLength_; }
  void SetAvailLength(int n);
  int PriorityBoost() const { return priorityBoost_; }
  void SetPriorityBoost(int boost);

  // Events.
  void SetOnTrigger(TTriggerEvent e);
  void SetOnTriggerAvail(TTriggerAvailEvent e);
  void SetOnTriggerData(TTriggerHandleEvent e);
  void SetOnTriggerStatus(TTriggerHandleEvent e);
  void SetOnTriggerTimer(TTriggerHandleEvent e);
  void SetOnTriggerLineError(TTriggerLineErrorEvent e);
  void SetOnTriggerModemStatus(TTriggerNotifyEvent e);
  void SetOnTriggerOutbuffFree(TTriggerNotifyEvent e);
  void SetOnTriggerOutbuffUsed(TTriggerNotifyEvent e);
  void SetOnTriggerOutSent(TTriggerNotifyEvent e);
  void SetOnWaitChar(TWaitCharEvent e) { onWaitChar_ = std::move(e); }
  const TTriggerAvailEvent& OnTriggerAvail() const { return onTriggerAvail_; }
  const TTriggerHandleEvent& OnTriggerStatus() const { return onTriggerStatus_; }
  const TTriggerHandleEvent& OnTriggerTimer() const { return onTriggerTimer_; }
  std::function<void(TSclCustomComPort&)> OpenedEvent;
  std::function<void(TSclCustomComPort&)> ClosedEvent;

  // The window's part: a notification for this port, on the GUI thread.
  void DispatchTriggerMessage(uint32_t message, uint32_t shortParam, uint32_t longParam);
  // The window's part: finishes a close that a notification handler asked for.
  void FinishDeferredClose();

protected:
  virtual void OpenPort();
  virtual void ClosePort();
  virtual void NotifyPortOpen();
  virtual void NotifyPortClose();
  virtual void FireTrigger(uint32_t msg, int triggerHandle, int data);
  virtual void FireTriggerAvail(int count);
  virtual void FireTriggerData(int triggerHandle);
  virtual void FireTriggerStatus(int triggerHandle);
  virtual void FireTriggerTimer(int triggerHandle);
  virtual void FireTriggerLineError(int error, bool lineBreak);
  virtual void FireTriggerModemStatus();
  virtual void FireTriggerOutbuffFree();
  virtual void FireTriggerOutbuffUsed();
  virtual void FireTriggerOutSent();
  virtual void FireWaitChar(char c);

private:
  struct PortUser {
    const void* key;
    TPortUserCallback callback;
  };

  void ValidateComNumber();
  void CreateDispatcher();
  void InitDispatcher();
  void TakeHandedSettings();
  void ApplySettings();
  void AttachWindow(bool on);
  void RefreshEventNeed();
  void FreeDispatcher();
  bool IsOpen() const { return state_ == psOpen && dispatcher_; }
  int Check(int code) const;
  void SetTraceLog(bool log, TTraceLogState state);
  void ApplyFlowAgain();

  bool force_ = false;
  TPortState state_ = psClosed;
  bool open_ = false;
  bool openAfterLoad_ = false;
  bool reopenAsked_ = false;
  bool triggersSaved_ = false;
  TSclSavedTriggers savedTriggers_;
  std::unique_ptr<TSclBaseDispatcher> dispatcher_;
  TSclComWindow* window_ = nullptr;
  std::vector<PortUser> portUsers_;

  TDeviceLayer deviceLayer_ = dlWin32;
  int comNumber_ = 0;
  int baud_ = 19200;
  bool promptForPort_ = true;
  TParity parity_ = pNone;
  int dataBits_ = 8;
  int stopBits_ = 1;
  int inSize_ = 4096;
  int outSize_ = 4096;
  bool autoOpen_ = true;
  bool dtr_ = true;
  bool rts_ = true;
  THWFlowOptions hwFlow_;
  TSWFlowOptions swFlow_ = swfNone;
  char xonChar_ = 17;
  char xoffChar_ = 19;
  int bufferFull_ = 0;
  int bufferResume_ = 0;
  TTraceLogState tracing_ = tlOff;
  int traceSize_ = 10000;
  QString traceName_ = QStringLiteral("SCOMM.TRC");
  bool traceHex_ = true;
  TTraceLogState logging_ = tlOff;
  int logSize_ = 10000;
  QString logName_ = QStringLiteral("SCOMM.LOG");
  bool logHex_ = true;
  bool useMSRShadow_ = true;
  bool useEventWord_ = true;
  int commNotificationLevel_ = 10;
  TTapiMode tapiMode_ = tmAuto;
  int tapiHandle_ = 0;
  bool rs485_ = false;
  int availLength_ = 1;
  int priorityBoost_ = 0;

  TTriggerEvent onTrigger_;
  TTriggerAvailEvent onTriggerAvail_;
  TTriggerHandleEvent onTriggerData_;
  TTriggerHandleEvent onTriggerStatus_;
  TTriggerHandleEvent onTriggerTimer_;
  TTriggerLineErrorEvent onTriggerLineError_;
  TTriggerNotifyEvent onTriggerModemStatus_;
  TTriggerNotifyEvent onTriggerOutbuffFree_;
  TTriggerNotifyEvent onTriggerOutbuffUsed_;
  TTriggerNotifyEvent onTriggerOutSent_;
  TWaitCharEvent onWaitChar_;
};
